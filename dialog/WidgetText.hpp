// The edge between the widgets (Unicode) and the program (code page 932 bytes):
// conversion both ways, byte counting, and the typing limit counted in bytes.
#pragma once

#include <QObject>
#include <QString>
#include <cstddef>
#include <string>
#include <string_view>

class QLineEdit;

namespace vesmark::dialog {

// CP932 bytes to widget text.
QString ToWidget(std::string_view cp932);

struct WidgetBytes {
    bool ok = true;
    std::string cp932;   // the bytes; empty when !ok
    QString badChar;     // the first character that code page 932 cannot hold
    char32_t badCode = 0;
};

// Widget text to CP932 bytes, all or nothing.
WidgetBytes FromWidget(const QString& text);

// Bytes the text takes in code page 932; a character it cannot hold counts as two.
std::size_t Cp932Length(const QString& text);

// Limits what the user types or pastes into an edit to `limit` CP932 bytes, as a
// typing limit does: the inserted text is cut to what fits. Texts the program
// sets are shown whole, and deleting from an over-long text is always allowed.
class Cp932TypingLimit : public QObject {
    Q_OBJECT
public:
    Cp932TypingLimit(QLineEdit* edit, std::size_t limit);

private:
    void Edited(const QString& text);

    QLineEdit* edit_;
    std::size_t limit_;
    QString prev_;
    QString last_;
};

}  // namespace vesmark::dialog
