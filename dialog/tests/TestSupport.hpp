// Shared by the dialog tests: a temporary program directory, scripted answers to
// questions and messages, and a catcher that inspects and closes a real modal box.
#pragma once

#include <QApplication>
#include <QFile>
#include <QKeyEvent>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>
#include <QtTest>
#include <functional>
#include <optional>
#include <string>

#include "dialog/Prompts.hpp"
#include "dialog/WidgetText.hpp"
#include "filepath/ComFilePathUnit.hpp"

namespace vesmark::dialog::test {

// UTF-8 test text to the program's CP932 bytes.
inline std::string Sjis(const QString& text) { return FromWidget(text).cp932; }

// A fresh program directory that AppPath points at while it lives.
class ProgramDir {
public:
    ProgramDir() { AppPath = Sjis(dir_.path()) + "/"; }
    ~ProgramDir() { AppPath.clear(); }
    QString path() const { return dir_.path(); }
    QString ini() const { return dir_.filePath(QStringLiteral("Vesmark.ini")); }
    // Writes the settings file from UTF-8 lines, stored as CP932 with CR LF.
    void writeIni(const QStringList& lines) const {
        QFile f(ini());
        QVERIFY(f.open(QIODevice::WriteOnly));
        for (const QString& l : lines) f.write(QByteArray::fromStdString(Sjis(l)) + "\r\n");
    }
    QByteArray iniBytes() const {
        QFile f(ini());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    // The settings file as UTF-8 text.
    QString iniText() const {
        const QByteArray b = iniBytes();
        return ToWidget(std::string_view(b.constData(), static_cast<std::size_t>(b.size())));
    }

private:
    QTemporaryDir dir_;
};

// Records every question and message and answers them from a script.
class FakePrompts final : public Prompts {
public:
    struct Call {
        QString kind;  // "ask", "warn", "stop", "pick"
        QString caption;
        QString text;
        bool noIsDefault = false;
    };
    QList<Call> calls;
    bool answerYes = false;
    std::optional<QString> folder;  // what the picker returns

    bool AskYesNo(QWidget*, const QString& caption, const QString& text, bool noIsDefault) override {
        calls.append({QStringLiteral("ask"), caption, text, noIsDefault});
        return answerYes;
    }
    void Warn(QWidget*, const QString& caption, const QString& text) override {
        calls.append({QStringLiteral("warn"), caption, text});
    }
    void Stop(QWidget*, const QString& caption, const QString& text) override {
        calls.append({QStringLiteral("stop"), caption, text});
    }
    std::optional<QString> PickFolder(QWidget*, const QString& title, const QString& start) override {
        calls.append({QStringLiteral("pick"), title, start});
        return folder;
    }
};

// Types text as a user would, one character at a time (also beyond ASCII).
inline void Type(QWidget* w, const QString& text) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c.unicode() < 0x80) {
            QTest::keyClick(w, c.toLatin1());
            continue;
        }
        const qsizetype n = (c.isHighSurrogate() && i + 1 < text.size()) ? 2 : 1;
        const QString ch = text.mid(i, n);
        i += n - 1;
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, ch);
        QApplication::sendEvent(w, &press);
        QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, ch);
        QApplication::sendEvent(w, &release);
    }
}

// Runs `inspect` on the next modal widget that opens, then makes sure it closes.
// Gives up after a few seconds, so a box that never opens fails the test instead
// of hanging it. Returns the watching timer; deleting it stops the watch.
inline QTimer* WhenModalOpens(std::function<void(QWidget*)> inspect, bool* seen = nullptr) {
    auto* timer = new QTimer(qApp);
    auto started = std::make_shared<QElapsedTimer>();
    started->start();
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, inspect, seen, started] {
        QWidget* box = QApplication::activeModalWidget();
        if (box == nullptr || !box->isVisible()) {
            if (started->elapsed() > 5000) timer->deleteLater();
            return;
        }
        timer->stop();
        timer->deleteLater();
        if (seen != nullptr) *seen = true;
        inspect(box);
        if (box->isVisible()) QMetaObject::invokeMethod(box, "reject");
    });
    timer->start();
    return timer;
}

}  // namespace vesmark::dialog::test
