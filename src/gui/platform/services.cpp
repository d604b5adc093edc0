#include "gui/platform/services.h"

namespace tincta {

void inform(MessageBoxes& messages, QWidget* parent, const QString& text) {
    messages.show(parent, Message{messageTitle, text, MessageIcon::Information, MessageButtons::Ok,
                                  MessageAnswer::Ok});
}

void warn(MessageBoxes& messages, QWidget* parent, const QString& text) {
    messages.show(parent, Message{messageTitle, text, MessageIcon::Warning, MessageButtons::Ok,
                                  MessageAnswer::Ok});
}

} // namespace tincta
