// Questions and messages to the user, and the folder picker: one small interface,
// so that the dialog and start-up can be driven without real modal boxes.
#pragma once

#include <QPointer>
#include <QString>
#include <optional>

class QWidget;

namespace vesmark::dialog {

class Prompts {
public:
    virtual ~Prompts() = default;
    // Yes/No with the question icon; true only for Yes.
    virtual bool AskYesNo(QWidget* owner, const QString& caption, const QString& text,
                          bool noIsDefault) = 0;
    // OK with the exclamation icon.
    virtual void Warn(QWidget* owner, const QString& caption, const QString& text) = 0;
    // OK with the stop icon.
    virtual void Stop(QWidget* owner, const QString& caption, const QString& text) = 0;
    // A directory chosen by the user, or nothing when the picker was cancelled.
    virtual std::optional<QString> PickFolder(QWidget* owner, const QString& title,
                                              const QString& start) = 0;
};

// Real message boxes and the toolkit's folder picker.
class QtPrompts final : public Prompts {
public:
    bool AskYesNo(QWidget* owner, const QString& caption, const QString& text,
                  bool noIsDefault) override;
    void Warn(QWidget* owner, const QString& caption, const QString& text) override;
    void Stop(QWidget* owner, const QString& caption, const QString& text) override;
    std::optional<QString> PickFolder(QWidget* owner, const QString& title,
                                      const QString& start) override;
};

Prompts& SystemPrompts();

// While it lives, the window of `widget` does not stay on top of other windows,
// so that a box opened meanwhile shows in front of it.
class TopmostSuspender {
public:
    explicit TopmostSuspender(QWidget* widget);
    ~TopmostSuspender();
    TopmostSuspender(const TopmostSuspender&) = delete;
    TopmostSuspender& operator=(const TopmostSuspender&) = delete;

private:
    QPointer<QWidget> window_;
    bool suspended_ = false;
};

}  // namespace vesmark::dialog
