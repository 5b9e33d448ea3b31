// Run in every page when it has loaded. addCSS() adds the kiosk's own style rules: no callouts
// or link previews on long presses, and no text-size adjustment when the device turns.
function addCSS() {
  if (document.getElementById('korvel-kiosk-style')) {
    return;
  }
  var style = document.createElement('style');
  style.id = 'korvel-kiosk-style';
  style.textContent = '* { -webkit-touch-callout: none; } html { -webkit-text-size-adjust: 100%; }';
  (document.head || document.documentElement).appendChild(style);
}
