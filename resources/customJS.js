// The kiosk's own style rules: no callouts or link previews on long presses, and no text-size
// adjustment when the device turns. addCSS() runs when a document is created and again when it has
// loaded; the rules are in force from the first paint, so a large page is never styled a second
// time once it has loaded (a new sheet matching every element restyles the whole page).
function addCSS() {
  if (window.korvelKioskStyled) {
    return;
  }
  var rules = '* { -webkit-touch-callout: none; } html { -webkit-text-size-adjust: 100%; }';
  try {
    var sheet = new CSSStyleSheet();
    sheet.replaceSync(rules);
    document.adoptedStyleSheets = document.adoptedStyleSheets.concat([sheet]);
  } catch (e) {
    // Without constructed sheets, a style element once the document has one to hold it.
    var parent = document.head || document.documentElement;
    if (!parent) {
      return;
    }
    var style = document.createElement('style');
    style.id = 'korvel-kiosk-style';
    style.textContent = rules;
    parent.appendChild(style);
  }
  window.korvelKioskStyled = true;
}
