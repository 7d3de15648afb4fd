// Conversion and byte counting at the widget edge.
#include "dialog/WidgetText.hpp"

#include <QLineEdit>

#include "platform/textconv.hpp"

namespace vesmark::dialog {

QString ToWidget(std::string_view cp932) {
    const std::string utf8 = cp932::Cp932ToUtf8(cp932);
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

WidgetBytes FromWidget(const QString& text) {
    const QByteArray utf8 = text.toUtf8();
    auto converted = cp932::Utf8ToCp932(std::string_view(utf8.constData(), utf8.size()));
    WidgetBytes out;
    if (converted.ok) {
        out.cp932 = std::move(converted.text);
        return out;
    }
    out.ok = false;
    out.badCode = converted.errorChar;
    // The offending character as the user sees it, taken from the UTF-8 input.
    const std::size_t at = converted.errorOffset;
    std::size_t end = at + 1;
    while (end < static_cast<std::size_t>(utf8.size()) &&
           (static_cast<unsigned char>(utf8[static_cast<qsizetype>(end)]) & 0xC0) == 0x80) {
        ++end;
    }
    if (at < static_cast<std::size_t>(utf8.size())) {
        out.badChar = QString::fromUtf8(utf8.constData() + at, static_cast<qsizetype>(end - at));
    }
    return out;
}

std::size_t Cp932Length(const QString& text) {
    std::size_t bytes = 0;
    for (const char32_t c : text.toUcs4()) {
        if (c < 0x80 || (c >= 0xFF61 && c <= 0xFF9F)) {
            ++bytes;  // ASCII and half-width katakana are single bytes
        } else {
            bytes += 2;
        }
    }
    return bytes;
}

Cp932TypingLimit::Cp932TypingLimit(QLineEdit* edit, std::size_t limit)
    : QObject(edit), edit_(edit), limit_(limit), prev_(edit->text()), last_(edit->text()) {
    // Whichever of the two signals comes first, `prev_` then holds the text before the edit.
    connect(edit, &QLineEdit::textChanged, this, [this](const QString& t) {
        prev_ = last_;
        last_ = t;
    });
    connect(edit, &QLineEdit::textEdited, this, &Cp932TypingLimit::Edited);
}

void Cp932TypingLimit::Edited(const QString& text) {
    const std::size_t now = Cp932Length(text);
    const QString before = (last_ == text) ? prev_ : last_;
    if (now <= limit_ || now <= Cp932Length(before)) return;
    // Split the edit into the kept head, the inserted middle and the kept tail.
    qsizetype head = 0;
    while (head < before.size() && head < text.size() && before[head] == text[head]) ++head;
    qsizetype tail = 0;
    while (tail < before.size() - head && tail < text.size() - head &&
           before[before.size() - 1 - tail] == text[text.size() - 1 - tail]) {
        ++tail;
    }
    if (head > 0 && text[head - 1].isHighSurrogate()) --head;  // never split a pair
    const QString kept = text.left(head) + text.right(tail);
    QString inserted = text.mid(head, text.size() - head - tail);
    const std::size_t room = limit_ > Cp932Length(kept) ? limit_ - Cp932Length(kept) : 0;
    while (!inserted.isEmpty() && Cp932Length(inserted) > room) {
        inserted.chop(inserted.back().isLowSurrogate() && inserted.size() > 1 ? 2 : 1);
    }
    const QString result = text.left(head) + inserted + text.right(tail);
    edit_->setText(result);
    edit_->setCursorPosition(static_cast<int>(head + inserted.size()));
}

}  // namespace vesmark::dialog
