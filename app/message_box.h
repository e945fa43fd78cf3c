#pragma once
// Every message box of the program goes through ShowMessageBox, so that one hook can replace the
// real boxes (tests capture the texts and answer questions without blocking).
#include <QString>
#include <functional>

class QWidget;

namespace ritmora {

struct MessageRequest {
    QWidget* parent = nullptr;
    QString title;  // the application title in force
    QString text;
    bool question = false;  // OK and Cancel with Cancel the default; else OK only
    bool richText = false;  // the text is HTML (its links open in the system's browser)
};

// Returns true when the user answered OK.
using MessageHook = std::function<bool(const MessageRequest&)>;

// Replaces the real boxes by `hook`; an empty hook brings the real boxes back.
void SetMessageHook(MessageHook hook);

// A plain OK box, or an OK/Cancel question (application-modal); true = OK.
bool ShowMessageBox(const MessageRequest& request);

}  // namespace ritmora
