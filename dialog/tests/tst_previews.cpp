// The three test buttons and the result box they show.
#include <QComboBox>
#include <QDateEdit>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimeEdit>
#include <QWindow>
#include <QtTest>

#include "TestSupport.hpp"
#include "dialog/OptionDlgUnit.hpp"
#include "format/uFormatDateTimeEx.hpp"

using namespace vesmark;
using namespace vesmark::dialog;
using namespace vesmark::dialog::test;

namespace {

// What a result box showed.
struct Shown {
    bool seen = false;
    QString caption;
    QString label;
    QString result;
    QString selected;
    bool editHasFocus = false;
    bool dialogOnTop = true;
    QSize client;
    QRect labelRect;
    QRect editRect;
    QRect okRect;
    QString okText;
    int fontPixels = 0;
};

// Presses `button` and reads the result box it opens, then closes it with its button.
Shown PressAndRead(TFormOptionDlg& dlg, QPushButton* button) {
    Shown s;
    WhenModalOpens([&](QWidget* box) {
        s.seen = true;
        s.caption = box->windowTitle();
        auto* label = box->findChild<QLabel*>("ResultLabel");
        auto* edit = box->findChild<QLineEdit*>("ResultEdit");
        auto* ok = box->findChild<QPushButton*>("ResultOk");
        if (label == nullptr || edit == nullptr || ok == nullptr) return;
        s.label = label->text();
        s.result = edit->text();
        s.selected = edit->selectedText();
        s.editHasFocus = box->focusWidget() == edit;
        s.dialogOnTop = dlg.windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint);
        s.client = box->size();
        s.labelRect = label->geometry();
        s.editRect = edit->geometry();
        s.okRect = ok->geometry();
        s.okText = ok->text();
        s.fontPixels = QFontInfo(box->font()).pixelSize();
        QTest::mouseClick(ok, Qt::LeftButton);
    });
    QTest::mouseClick(button, Qt::LeftButton);
    return s;
}

}  // namespace

class PreviewTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { InstallFonts(); }

    void formatTestRendersAtThePickedDateAndTime_data();
    void formatTestRendersAtThePickedDateAndTime();
    void backupTestShowsTheSampleName_data();
    void backupTestShowsTheSampleName();
    void resultBoxLayoutFollowsItsFont();
    void longTextsWrapDownAndResultsShowWhole();
    void resultBoxIsGoneAfterClosing();
    void previewNamesACharacterOutsideCodePage932();
};

void PreviewTest::formatTestRendersAtThePickedDateAndTime_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("format");
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QTime>("time");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("result");
    const QString btn = QStringLiteral("ツールボタン表示形式テスト");
    const QString mnu = QStringLiteral("前後日メニュー表示形式テスト");
    const char* fmt = R"(yyyy"-"mm"-"dd" "hh"."nn"."ss)";
    QTest::newRow("tool button")   << "btnBtnFace" << fmt << QDate(2024, 2, 29) << QTime(13, 5, 9)
                                   << btn << "2024-02-29 13.05.09";
    QTest::newRow("menu")          << "btnMnuFace" << fmt << QDate(1999, 12, 31) << QTime(23, 59, 59)
                                   << mnu << "1999-12-31 23.59.59";
    QTest::newRow("before 1899")   << "btnBtnFace" << fmt << QDate(1850, 6, 1) << QTime(6, 30, 0)
                                   << btn << "1850-06-01 06.30.00";
    QTest::newRow("the epoch day") << "btnMnuFace" << fmt << QDate(1899, 12, 30) << QTime(0, 0, 1)
                                   << mnu << "1899-12-30 00.00.01";
    QTest::newRow("kanji preset")  << "btnMnuFace" << R"(yyyy"年"mm"月"dd"日")" << QDate(2019, 5, 1)
                                   << QTime(0, 0) << mnu << "2019年05月01日";
}

void PreviewTest::formatTestRendersAtThePickedDateAndTime() {
    QFETCH(QString, button);
    QFETCH(QString, format);
    QFETCH(QDate, date);
    QFETCH(QTime, time);
    QFETCH(QString, caption);
    QFETCH(QString, result);
    ProgramDir dir;
    FakePrompts prompts;
    TFormOptionDlg dlg(prompts);
    dlg.show();
    (button == "btnBtnFace" ? dlg.ui.cmbBtnFace : dlg.ui.cmbMnuFace)->setEditText(format);
    dlg.ui.dtpTestDate->setDate(date);
    dlg.ui.dtpTestTime->setTime(time);
    const Shown s = PressAndRead(dlg, dlg.findChild<QPushButton*>(button));
    QVERIFY(s.seen);
    QCOMPARE(s.caption, caption);
    QCOMPARE(s.label, format);
    QCOMPARE(s.result, result);
    QVERIFY(prompts.calls.isEmpty());
}

void PreviewTest::backupTestShowsTheSampleName_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("ext");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("result");
    //                                       edtName     edtExt      label            result
    QTest::newRow("default templates")    << "%F"    << "~%X"    << "%F.~%X"     << "(ファイル名).~(拡張子)";
    QTest::newRow("count is 99")          << "%F_%C" << "bak"    << "%F_%C.bak"  << "(ファイル名)_99.bak";
    QTest::newRow("empty extension")      << "%C"    << ""       << "%C."        << "99.";
    QTest::newRow("empty name")           << ""      << "%X"     << ".%X"        << ".(拡張子)";
    QTest::newRow("characters cleaned")   << "a:b*"  << "c?"     << "a:b*.c?"    << "a_b_.c_";
    QTest::newRow("trailing backslash")   << "x"     << R"(y\)"  << R"(x.y\)"    << "x.y";
    QTest::newRow("doubled backslash")    << "x"     << R"(y\\)" << R"(x.y\\)"   << "x.y__";
    QTest::newRow("so before the end")    << "x"     << "ソ"     << "x.ソ"       << "x.ソ";
}

void PreviewTest::backupTestShowsTheSampleName() {
    QFETCH(QString, name);
    QFETCH(QString, ext);
    QFETCH(QString, label);
    QFETCH(QString, result);
    ProgramDir dir;
    FakePrompts prompts;
    TFormOptionDlg dlg(prompts);
    dlg.show();
    dlg.ui.edtName->setText(name);
    dlg.ui.edtExt->setText(ext);
    // The backup test takes the present moment, not the test date and time.
    dlg.ui.dtpTestDate->setDate(QDate(1901, 1, 1));
    const Shown s = PressAndRead(dlg, dlg.ui.btnBackup);
    QVERIFY(s.seen);
    QCOMPARE(s.caption, QStringLiteral("バックアップ形式テスト"));
    QCOMPARE(s.label, label);
    QCOMPARE(s.result, result);
}

void PreviewTest::resultBoxLayoutFollowsItsFont() {
    ProgramDir dir;
    FakePrompts prompts;
    TFormOptionDlg dlg(prompts);
    dlg.show();
    const Shown s = PressAndRead(dlg, dlg.ui.btnBackup);
    QVERIFY(s.seen);
    const int h = s.fontPixels;
    QCOMPARE(h, 12);  // the default font of new windows, not the dialog's 13
    const int u = (h + 1) / 2;
    QCOMPARE(s.client.width(), 360);
    QCOMPARE(s.labelRect.topLeft(), QPoint(12, 12));
    QVERIFY(s.labelRect.width() <= MulDiv(224, u, 4));
    QCOMPARE(s.editRect.left(), 12);
    QCOMPARE(s.editRect.top(), s.labelRect.bottom() + 1 + 5);
    QCOMPARE(s.editRect.width(), 336);
    QCOMPARE(s.okRect, QRect(143, s.editRect.bottom() + 1 + 15, 75, 21));
    QCOMPARE(s.client.height(), s.okRect.bottom() + 1 + 13);
    QCOMPARE(s.okText, QStringLiteral("了解"));
    QVERIFY(s.editHasFocus);
    QCOMPARE(s.selected, s.result);
    QVERIFY(!s.dialogOnTop);  // suspended while the box is open
    QVERIFY(dlg.windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint));
}

void PreviewTest::longTextsWrapDownAndResultsShowWhole() {
    ProgramDir dir;
    FakePrompts prompts;
    TFormOptionDlg dlg(prompts);
    dlg.show();
    const Shown one = PressAndRead(dlg, dlg.ui.btnBtnFace);
    // 282 bytes of format without a blank, rendering to the formatter's full 256 bytes.
    const QString format = QStringLiteral("yyyymm").repeated(47);
    dlg.ui.cmbBtnFace->setEditText(format);
    const Shown many = PressAndRead(dlg, dlg.ui.btnBtnFace);
    QVERIFY(many.seen);
    QCOMPARE(QString(many.label).remove(u'\n'), format);
    QVERIFY(many.label.count(u'\n') >= 1);
    QVERIFY(many.labelRect.width() <= 336);
    QVERIFY(many.labelRect.height() > one.labelRect.height());
    QCOMPARE(many.client.width(), one.client.width());
    QVERIFY(many.client.height() > one.client.height());
    const std::string rendered = FormatDateTimeEx(Sjis(format), dlg.TestDateTime());
    QCOMPARE(many.result, ToWidget(rendered));
    QVERIFY(Sjis(many.result).size() > 255);
}

void PreviewTest::resultBoxIsGoneAfterClosing() {
    ProgramDir dir;
    FakePrompts prompts;
    TFormOptionDlg dlg(prompts);
    dlg.show();
    dlg.ui.cmbBtnFace->setEditText(QString());
    const Shown s = PressAndRead(dlg, dlg.ui.btnBtnFace);
    QVERIFY(s.seen);
    QVERIFY(s.label.isEmpty());  // an empty format: nothing in the label
    QCOMPARE(s.result, ToWidget(FormatDateTimeEx("C", dlg.TestDateTime())));
    for (QWidget* w : QApplication::topLevelWidgets()) {
        QVERIFY(w->objectName() != QStringLiteral("ResultBox"));
    }
}

void PreviewTest::previewNamesACharacterOutsideCodePage932() {
    ProgramDir dir;
    FakePrompts prompts;
    TFormOptionDlg dlg(prompts);
    dlg.show();
    dlg.ui.edtExt->setText(QStringLiteral("~%X🎉"));
    bool opened = false;
    QPointer<QTimer> watch = WhenModalOpens([&](QWidget*) { opened = true; });
    QTest::mouseClick(dlg.ui.btnBackup, Qt::LeftButton);
    QTest::qWait(50);
    delete watch;
    QVERIFY(!opened);
    QCOMPARE(prompts.calls.size(), 1);
    QCOMPARE(prompts.calls[0].kind, QStringLiteral("warn"));
    QVERIFY(prompts.calls[0].text.contains(QStringLiteral("「拡張子」")));
    QVERIFY(prompts.calls[0].text.contains(QStringLiteral("「🎉」(U+1F389)")));
}

QTEST_MAIN(PreviewTest)
#include "tst_previews.moc"
