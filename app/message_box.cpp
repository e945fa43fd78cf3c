#include "app/message_box.h"

#include <QMessageBox>

namespace ritmora {
namespace {

MessageHook& Hook() {
    static MessageHook hook;
    return hook;
}

}  // namespace

void SetMessageHook(MessageHook hook) { Hook() = std::move(hook); }

bool ShowMessageBox(const MessageRequest& request) {
    if (Hook()) return Hook()(request);
    // The texts join their lines with CR LF; a label breaks lines at LF alone.
    QString text = request.text;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QMessageBox box(QMessageBox::NoIcon, request.title, text,
                    request.question ? QMessageBox::Ok | QMessageBox::Cancel : QMessageBox::Ok,
                    request.parent);
    box.setTextFormat(request.richText ? Qt::RichText : Qt::PlainText);
    box.setWindowModality(Qt::ApplicationModal);
    box.setDefaultButton(request.question ? QMessageBox::Cancel : QMessageBox::Ok);
    if (request.question) box.setEscapeButton(QMessageBox::Cancel);
    return box.exec() == QMessageBox::Ok;
}

}  // namespace ritmora
