// The toolkit's floor for the start-up benchmark: one empty widget of the
// dialog's size, shown and painted. Built a second time with one line of
// Japanese text in the dialog's font, to show what drawing any text costs.
#include <QApplication>
#include <QLabel>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget widget;
    widget.resize(560, 380);
#ifdef VESMARK_FLOOR_WITH_TEXT
    QFont font(QStringList{QStringLiteral("IPAPGothic")});
    font.setPixelSize(13);
    widget.setFont(font);
    auto* label = new QLabel(QStringLiteral("ツールボタン表示形式"), &widget);
    label->move(20, 20);
#endif
    widget.show();
    return QApplication::exec();
}
