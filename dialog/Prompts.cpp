// Message boxes and the folder picker on Qt.
#include "dialog/Prompts.hpp"

#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QWidget>
#include <QWindow>

namespace vesmark::dialog {

TopmostSuspender::TopmostSuspender(QWidget* widget) {
    if (widget == nullptr) return;
    window_ = widget->window();
    QWindow* handle = window_->windowHandle();
    if (handle != nullptr && handle->flags().testFlag(Qt::WindowStaysOnTopHint)) {
        handle->setFlag(Qt::WindowStaysOnTopHint, false);
        suspended_ = true;
    }
}

TopmostSuspender::~TopmostSuspender() {
    if (!suspended_ || window_.isNull()) return;
    if (QWindow* handle = window_->windowHandle()) handle->setFlag(Qt::WindowStaysOnTopHint, true);
}

namespace {

int RunBox(QWidget* owner, QMessageBox::Icon icon, const QString& caption, const QString& text,
           QMessageBox::StandardButtons buttons, QMessageBox::StandardButton defaultButton) {
    TopmostSuspender suspend(owner);
    QMessageBox box(icon, caption, text, buttons, owner);
    box.setDefaultButton(defaultButton);
    return box.exec();
}

}  // namespace

bool QtPrompts::AskYesNo(QWidget* owner, const QString& caption, const QString& text,
                         bool noIsDefault) {
    return RunBox(owner, QMessageBox::Question, caption, text, QMessageBox::Yes | QMessageBox::No,
                  noIsDefault ? QMessageBox::No : QMessageBox::Yes) == QMessageBox::Yes;
}

void QtPrompts::Warn(QWidget* owner, const QString& caption, const QString& text) {
    RunBox(owner, QMessageBox::Warning, caption, text, QMessageBox::Ok, QMessageBox::Ok);
}

void QtPrompts::Stop(QWidget* owner, const QString& caption, const QString& text) {
    RunBox(owner, QMessageBox::Critical, caption, text, QMessageBox::Ok, QMessageBox::Ok);
}

std::optional<QString> QtPrompts::PickFolder(QWidget* owner, const QString& title,
                                             const QString& start) {
    TopmostSuspender suspend(owner);
    const QString chosen = QFileDialog::getExistingDirectory(owner, title, start,
                                                             QFileDialog::ShowDirsOnly);
    if (chosen.isEmpty()) return std::nullopt;
    return chosen;
}

Prompts& SystemPrompts() {
    static QtPrompts prompts;
    return prompts;
}

}  // namespace vesmark::dialog
