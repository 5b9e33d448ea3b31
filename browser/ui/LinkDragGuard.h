#pragma once

class QWebEngineProfile;

namespace korvel {

// While copy and paste is off, a visitor cannot drag a page's links, images or text out of the
// kiosk (to another program of the session, or into a field as a paste would): a script in the
// application's own world, which pages cannot reach, cancels those drags from each document's
// creation on. Elements a page made draggable itself keep their drags, unless they carry a link or
// an image.
class LinkDragGuard {
public:
    // Keeps the guard in `profile`'s scripts while copy and paste is off, now and after every change
    // of the preferences; a document already open keeps what it was created with.
    static void follow(QWebEngineProfile* profile);
};

}  // namespace korvel
