// The form as drawn, and the editing aids: the identifier popup, the folder
// clean-up and browse, and the typing limits counted in CP932 bytes.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTimeEdit>
#include <QWindow>
#include <QtTest>

#include "TestSupport.hpp"
#include "dialog/OptionDlgUnit.hpp"

using namespace vesmark::dialog;
using namespace vesmark::dialog::test;

class FormTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { InstallFonts(); }

    void componentsMatchTheForm_data();
    void componentsMatchTheForm();
    void tabKeyVisitsTheControlsInOrder();
    void windowIsAFixedToolWindowOnTop();
    void presetsAndIntervalItems();
    void popupMenuItems();

    void pickAppendsToTheEditOfTheButton_data();
    void pickAppendsToTheEditOfTheButton();
    void pickBeforeAnyButtonDoesNothing();
    void popupHangsFromTheButtonsBottomRight();

    void folderCleanUpOnLeaving_data();
    void folderCleanUpOnLeaving();
    void folderLeftUnchangedIsNotCleaned();
    void browseStartsInFolderOrProgramDir_data();
    void browseStartsInFolderOrProgramDir();

    void typingLimitCountsBytes_data();
    void typingLimitCountsBytes();
    void loadedTextIsShownWholeAndMayBeShortened();

    void mulDivRoundsHalvesAwayFromZero_data();
    void mulDivRoundsHalvesAwayFromZero();
};

namespace {

// Shows the dialog and makes it the active window, so focus moves like a user's.
void ShowActive(TFormOptionDlg& dlg) {
    dlg.show();
    QApplication::setActiveWindow(&dlg);
    QVERIFY(QTest::qWaitForWindowActive(&dlg));
}

QString Caption(QWidget* w) {
    if (auto* b = qobject_cast<QAbstractButton*>(w)) return b->text();
    if (auto* l = qobject_cast<QLabel*>(w)) return l->text();
    if (auto* g = qobject_cast<QGroupBox*>(w)) return g->title();
    return {};
}

}  // namespace

void FormTest::componentsMatchTheForm_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("parent");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<bool>("tabStop");

    const QString form = QStringLiteral("TFormOptionDlg");
    const QString g1 = QStringLiteral("GroupBox1");
    const QString g2 = QStringLiteral("GroupBox2");
    auto row = [](const char* name, const char* kind, const QString& parent, QRect r,
                  const char* caption, bool tabStop) {
        QTest::newRow(name) << QString::fromUtf8(kind) << parent << r << QString::fromUtf8(caption)
                            << tabStop;
    };
    // name          kind          parent  Left Top Width Height       caption             tab stop
    row("btnSet",      "QPushButton", form, {12, 348, 105, 23}, "設定保存(&S)",      true);
    row("btnRefresh",  "QPushButton", form, {332, 348, 105, 23}, "再読込(&R)",       true);
    row("btnCancel",   "QPushButton", form, {444, 348, 105, 23}, "キャンセル(&C)",   true);
    row("GroupBox1",   "QGroupBox",   form, {12, 10, 537, 151},  " 日時形式 ",       false);
    row("GroupBox2",   "QGroupBox",   form, {12, 170, 537, 171}, " 自動保存 ",       false);
    row("lblBtnFace",  "QLabel",      g1,   {20, 24, 121, 13},   "ツールボタン表示形式", false);
    row("cmbBtnFace",  "QComboBox",   g1,   {20, 40, 445, 21},   "",                 true);
    row("btnBtnFace",  "QPushButton", g1,   {468, 40, 53, 21},   "テスト",           false);
    row("lblMnuFace",  "QLabel",      g1,   {20, 68, 134, 13},   "前後日メニュー表示形式", false);
    row("cmbMnuFace",  "QComboBox",   g1,   {20, 84, 445, 21},   "",                 true);
    row("btnMnuFace",  "QPushButton", g1,   {468, 84, 53, 21},   "テスト",           false);
    row("lblTest",     "QLabel",      g1,   {188, 124, 71, 13},  "テスト用日時",     false);
    row("dtpTestDate", "QDateEdit",   g1,   {264, 120, 109, 21}, "",                 true);
    row("dtpTestTime", "QTimeEdit",   g1,   {376, 120, 89, 21},  "",                 true);
    row("Label4",      "QLabel",      g2,   {20, 24, 104, 13},   "自動保存実行頻度", false);
    row("cmbInterval", "QComboBox",   g2,   {20, 40, 125, 21},   "",                 true);
    row("cbxBackup",   "QCheckBox",   g2,   {168, 40, 265, 21},  "自動保存実行時にバックアップを作成する", true);
    row("lblName",     "QLabel",      g2,   {20, 72, 121, 13},   "バックアップファイル名", false);
    row("edtName",     "QLineEdit",   g2,   {20, 88, 261, 21},   "",                 true);
    row("btnPopup1",   "QPushButton", g2,   {281, 88, 21, 21},   "<",                false);
    row("lblDot",      "QLabel",      g2,   {308, 92, 3, 13},    ".",                false);
    row("lblExt",      "QLabel",      g2,   {320, 72, 39, 13},   "拡張子",           false);
    row("edtExt",      "QLineEdit",   g2,   {320, 88, 125, 21},  "",                 true);
    row("btnPopup2",   "QPushButton", g2,   {445, 88, 21, 21},   "<",                false);
    row("btnBackup",   "QPushButton", g2,   {468, 88, 53, 21},   "テスト",           false);
    row("lblFolder",   "QLabel",      g2,   {20, 116, 124, 13},  "バックアップ先フォルダ", false);
    row("edtFolder",   "QLineEdit",   g2,   {20, 132, 445, 21},  "",                 true);
    row("btnFolder",   "QPushButton", g2,   {468, 132, 53, 21},  "参照",             false);
}

void FormTest::componentsMatchTheForm() {
    QFETCH(QString, kind);
    QFETCH(QString, parent);
    QFETCH(QRect, geometry);
    QFETCH(QString, caption);
    QFETCH(bool, tabStop);

    ProgramDir dir;
    FakePrompts prompts;
    TFormOptionDlg dlg(prompts);
    auto* w = dlg.findChild<QWidget*>(QString::fromLatin1(QTest::currentDataTag()));
    QVERIFY(w != nullptr);
    QCOMPARE(QString::fromLatin1(w->metaObject()->className()), kind);
    QCOMPARE(w->parentWidget()->objectName(), parent);
    QCOMPARE(w->geometry(), geometry);
    QCOMPARE(Caption(w), caption);
    if (qobject_cast<QLabel*>(w) == nullptr && qobject_cast<QGroupBox*>(w) == nullptr) {
        QCOMPARE(bool(w->focusPolicy() & Qt::TabFocus), tabStop);
    }
}

void FormTest::tabKeyVisitsTheControlsInOrder() {
    ProgramDir dir;
    FakePrompts prompts;
    TFormOptionDlg dlg(prompts);
    ShowActive(dlg);
    dlg.ui.btnSet->setFocus(Qt::TabFocusReason);
    QStringList visited{QApplication::focusWidget()->objectName()};
    for (int i = 0; i < 11; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QWidget* f = QApplication::focusWidget();
        // An editable combo box hands the focus to its own line edit.
        if (qobject_cast<QComboBox*>(f->parentWidget()) != nullptr) f = f->parentWidget();
        visited << f->objectName();
    }
    QCOMPARE(visited, QStringList({"btnSet", "btnRefresh", "btnCancel", "cmbBtnFace", "cmbMnuFace",
                                   "dtpTestDate", "dtpTestTime", "cmbInterval", "cbxBackup",
                                   "edtName", "edtExt", "edtFolder"}));
}

void FormTest::windowIsAFixedToolWindowOnTop() {
    ProgramDir dir;
    FakePrompts prompts;
    TFormOptionDlg dlg(prompts);
    QCOMPARE(dlg.size(), QSize(560, 380));
    QCOMPARE(dlg.minimumSize(), dlg.maximumSize());
    const Qt::WindowFlags flags = dlg.windowFlags();
    QCOMPARE(flags & Qt::WindowType_Mask, Qt::Tool);
    QVERIFY(flags.testFlag(Qt::WindowStaysOnTopHint));
    QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
    QCOMPARE(dlg.font().family(), QStringLiteral("ＭＳ Ｐゴシック"));
    QCOMPARE(dlg.font().pixelSize(), 13);
    QVERIFY(dlg.windowTitle().isEmpty());  // start-up gives the title
    QVERIFY(dlg.ui.btnSet->isDefault());
    QCOMPARE(dlg.ui.lblTest->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
    QVERIFY(dlg.ui.cmbBtnFace->isEditable());
    QVERIFY(dlg.ui.cmbBtnFace->completer() == nullptr);
    QVERIFY(dlg.ui.cmbMnuFace->completer() == nullptr);
    QVERIFY(!dlg.ui.cmbInterval->isEditable());
    QVERIFY(dlg.ui.dtpTestDate->calendarPopup());
    QCOMPARE(dlg.ui.btnPopup1->property("Tag").toInt(), 1);
    QCOMPARE(dlg.ui.btnPopup2->property("Tag").toInt(), 2);
    QCOMPARE(dlg.ui.pumAddIdent->property("Tag").toInt(), 0);
    QVERIFY(dlg.ui.edtFolder->property("Hint").toString().isEmpty());
}

void FormTest::presetsAndIntervalItems() {
    ProgramDir dir;
    FakePrompts prompts;
    TFormOptionDlg dlg(prompts);
    auto items = [](QComboBox* c) {
        QStringList out;
        for (int i = 0; i < c->count(); ++i) out << c->itemText(i);
        return out;
    };
    struct Preset {
        const char* text;
        std::size_t bytes;
    };
    const Preset btnFace[] = {
        {R"~(yyyy/mm/dd"("aaa") "hh:nn:ss)~", 28},
        {R"~(%h"時"n"分"s"秒")~", 16},
        {R"~("'"yy mmm"." dd ddd"." hh:mm a.m./p.m.)~", 38},
        {R"~(ddd', 'dd' 'mmm' 'yyyy', 'hh:nn:ss)~", 34},
        {R"~(%gee"／"mm"／"dd"（"aaa"） "hh"："nn"："ss AM%PM)~", 48},
        {R"~(\"只今の時刻は "ampmh"時"n"分"s"秒です")~", 39},
        {R"~(YYY'年'MM'月'DD'日' am\pmFF'時の月齢は'RRR'です。')~", 50},
        {R"~(\ggge"("jjjj")年" kkkk d"日("aaaa") "am\pmf"時")~", 47},
    };
    const Preset mnuFace[] = {
        {R"~(yyyy"年"mm"月"dd"日（"aaa"）")~", 29},
        {R"~("'"yy mmm"." dd ddd)~", 19},
        {R"~(ddd', 'dd' 'mmm' 'yyyy)~", 22},
        {R"~(%gee"／"mm"／"dd"（"aaa"）")~", 27},
        {R"~(%"今日の日付："yyyy"年"mm"月"dd"日（"aaa"）")~", 44},
        {R"~(\'本日は'ggge'年' kkkk d'日です。')~", 34},
        {R"~(yyy'年'm'月'd'日' a.m.\p.m.f'時の月齢は'rrr'です。')~", 51},
        {R"~(\ggge"("jjjj")年" kkkk d"日("aaaa")")~", 36},
    };
    auto check = [&](QComboBox* combo, const auto& table) {
        const QStringList got = items(combo);
        QCOMPARE(got.size(), qsizetype(std::size(table)));
        for (qsizetype i = 0; i < got.size(); ++i) {
            QCOMPARE(got[i], QString::fromUtf8(table[i].text));
            QCOMPARE(Sjis(got[i]).size(), table[i].bytes);
        }
    };
    check(dlg.ui.cmbBtnFace, btnFace);
    check(dlg.ui.cmbMnuFace, mnuFace);
    const QStringList intervals = items(dlg.ui.cmbInterval);
    QCOMPARE(intervals, QStringList({"保存しない", "  １分周期", "  ５分周期", "１５分周期",
                                     "３０分周期", "６０分周期"}));
    for (const QString& i : intervals) QCOMPARE(Sjis(i).size(), std::size_t(10));
}

void FormTest::popupMenuItems() {
    ProgramDir dir;
    FakePrompts prompts;
    TFormOptionDlg dlg(prompts);
    QStringList got;
    for (QAction* a : dlg.ui.pumAddIdent->actions()) {
        got << a->objectName() + u'|' + a->text() + u'|' + a->property("Hint").toString();
    }
    QCOMPARE(got, QStringList({
                      "F1|%&F：元ファイル名 ( 拡張子なし )|%F",
                      "X1|%&X：元ファイル拡張子|%X",
                      "C1|%&C：自動保存実行回数|%C",
                      "Y1|%&Y：西暦年 ( yy )|%Y",
                      "M1|%M：月 ( mm )|%M",
                      "D1|%&D：日 ( dd )|%D",
                      "E1|%&E：和暦年 ( ee )|%E",
                      "W1|%&W：曜日 ( DDD )|%W",
                      "A1|%&A：午前午後 ( AM/PM )|%A",
                      "H1|%&H：時 ( hh )|%H",
                      "N1|%&N：分 ( nn )|%N",
                      "S1|%&S：秒 ( ss )|%S",
                      "R1|%&R：月齢 ( rr )|%R",
                  }));
}

void FormTest::pickAppendsToTheEditOfTheButton_data() {
    QTest::addColumn<int>("button");
    QTest::addColumn<QString>("item");
    QTest::addColumn<int>("cursor");
    QTest::addColumn<int>("selectionLength");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("ext");
    //                                     button item  caret sel  edtName      edtExt
    QTest::newRow("name, caret at end")     << 1 << "Y1" << -1 << 0 << "%F%Y"      << "~%X";
    QTest::newRow("ext, caret at end")      << 2 << "Y1" << -1 << 0 << "%F"        << "~%X%Y";
    QTest::newRow("name, caret at start")   << 1 << "R1" << 0  << 0 << "%F%R"      << "~%X";
    QTest::newRow("ext, part selected")     << 2 << "C1" << 0  << 2 << "%F"        << "~%X%C";
    QTest::newRow("name, untitled M item")  << 1 << "M1" << 1  << 1 << "%F%M"      << "~%X";
}

void FormTest::pickAppendsToTheEditOfTheButton() {
    QFETCH(int, button);
    QFETCH(QString, item);
    QFETCH(int, cursor);
    QFETCH(int, selectionLength);
    QFETCH(QString, name);
    QFETCH(QString, ext);

    ProgramDir dir;
    FakePrompts prompts;
    TFormOptionDlg dlg(prompts);
    ShowActive(dlg);
    QLineEdit* target = button == 1 ? dlg.ui.edtName : dlg.ui.edtExt;
    target->setFocus();
    if (cursor >= 0) target->setSelection(cursor, selectionLength);
    QTest::mouseClick(button == 1 ? dlg.ui.btnPopup1 : dlg.ui.btnPopup2, Qt::LeftButton);
    QTRY_VERIFY(dlg.ui.pumAddIdent->isVisible());
    QCOMPARE(dlg.ui.pumAddIdent->property("Tag").toInt(), button);
    dlg.findChild<QAction*>(item)->trigger();
    dlg.ui.pumAddIdent->close();
    QCOMPARE(dlg.ui.edtName->text(), name);
    QCOMPARE(dlg.ui.edtExt->text(), ext);
}

void FormTest::pickBeforeAnyButtonDoesNothing() {
    ProgramDir dir;
    FakePrompts prompts;
    TFormOptionDlg dlg(prompts);
    dlg.findChild<QAction*>(QStringLiteral("F1"))->trigger();
    QCOMPARE(dlg.ui.edtName->text(), QStringLiteral("%F"));
    QCOMPARE(dlg.ui.edtExt->text(), QStringLiteral("~%X"));
}

void FormTest::popupHangsFromTheButtonsBottomRight() {
    ProgramDir dir;
    FakePrompts prompts;
    TFormOptionDlg dlg(prompts);
    ShowActive(dlg);
    QPushButton* btn = dlg.ui.btnPopup2;
    QTest::mouseClick(btn, Qt::LeftButton);
    QTRY_VERIFY(dlg.ui.pumAddIdent->isVisible());
    const QPoint corner = btn->mapToGlobal(QPoint(btn->width(), btn->height()));
    const QRect menu = dlg.ui.pumAddIdent->geometry();
    QCOMPARE(menu.x() + menu.width(), corner.x());
    QCOMPARE(menu.y(), corner.y());
    dlg.ui.pumAddIdent->close();
}

void FormTest::folderCleanUpOnLeaving_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("left");
    //                                           typed                         after leaving
    QTest::newRow("colon after drive colon")   << R"(C:\back:up)"            << R"(C:\back_up)";
    QTest::newRow("drive without delimiter")   << R"(D:a?b)"                 << R"(D:a_b)";
    QTest::newRow("network path")              << R"(\\srv\share\a*b\c|d)"   << R"(\\srv\share\a_b\c_d)";
    QTest::newRow("network share only")        << R"(\\srv\sh:are)"          << R"(\\srv\sh:are)";
    QTest::newRow("doubled backslash")         << R"(C:\a\\b)"               << R"(C:\a__b)";
    QTest::newRow("posix path keeps slashes")  << R"(/home/u/a:b*c/"x")"     << R"(/home/u/a_b_c/_x_)";
    QTest::newRow("empty pieces stay")         << R"(/tmp//x<y>)"            << R"(/tmp//x_y_)";
    QTest::newRow("so with 5C trail byte")     << R"(C:\ソ\表)"              << R"(C:\ソ\表)";
    QTest::newRow("nothing to clean")          << R"(/var/backup)"           << R"(/var/backup)";
}

void FormTest::folderCleanUpOnLeaving() {
    QFETCH(QString, typed);
    QFETCH(QString, left);
    ProgramDir dir;
    FakePrompts prompts;
    TFormOptionDlg dlg(prompts);
    ShowActive(dlg);
    dlg.ui.edtFolder->setFocus(Qt::TabFocusReason);
    Type(dlg.ui.edtFolder, typed);
    QCOMPARE(dlg.ui.edtFolder->text(), typed);
    dlg.ui.edtName->setFocus(Qt::TabFocusReason);
    QCOMPARE(dlg.ui.edtFolder->text(), left);
    QCOMPARE(dlg.ui.edtFolder->property("Hint").toString(), left);
}

void FormTest::folderLeftUnchangedIsNotCleaned() {
    ProgramDir dir;
    dir.writeIni({"[Backup]", R"(BackupFolder="C:\a:b*c")"});
    FakePrompts prompts;
    TFormOptionDlg dlg(prompts);
    ShowActive(dlg);
    dlg.ui.edtFolder->setFocus(Qt::TabFocusReason);
    dlg.ui.edtName->setFocus(Qt::TabFocusReason);
    QCOMPARE(dlg.ui.edtFolder->text(), QStringLiteral(R"(C:\a:b*c)"));
    // A box taking the window's focus for a while is no exit either.
    dlg.ui.edtFolder->setFocus(Qt::TabFocusReason);
    dlg.ui.edtFolder->end(false);
    QTest::keyClicks(dlg.ui.edtFolder, "?");
    QFocusEvent out(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
    QApplication::sendEvent(dlg.ui.edtFolder, &out);
    QCOMPARE(dlg.ui.edtFolder->text(), QStringLiteral(R"(C:\a:b*c?)"));
}

void FormTest::browseStartsInFolderOrProgramDir_data() {
    QTest::addColumn<QString>("folder");
    QTest::addColumn<bool>("programDir");
    QTest::addColumn<QString>("chosen");  // empty: the user cancels
    QTest::addColumn<QString>("after");
    QTest::newRow("empty folder, chosen")  << "" << true << "/srv/バックアップ" << "/srv/バックアップ";
    QTest::newRow("typed folder, chosen")  << "/var/tmp" << false << "/srv" << "/srv";
    QTest::newRow("typed folder, cancel")  << "/var/a:b" << false << "" << "/var/a:b";
}

void FormTest::browseStartsInFolderOrProgramDir() {
    QFETCH(QString, folder);
    QFETCH(bool, programDir);
    QFETCH(QString, chosen);
    QFETCH(QString, after);
    ProgramDir dir;
    FakePrompts prompts;
    if (!chosen.isEmpty()) prompts.folder = chosen;
    TFormOptionDlg dlg(prompts);
    dlg.ui.edtFolder->setText(folder);
    dlg.ui.edtFolder->setProperty("Hint", QStringLiteral("remembered"));
    QTest::mouseClick(dlg.ui.btnFolder, Qt::LeftButton);
    QCOMPARE(prompts.calls.size(), 1);
    QCOMPARE(prompts.calls[0].kind, QStringLiteral("pick"));
    QCOMPARE(prompts.calls[0].caption, QStringLiteral("バックアップフォルダの選択"));
    QCOMPARE(prompts.calls[0].text, programDir ? dir.path() + u'/' : folder);
    QCOMPARE(dlg.ui.edtFolder->text(), after);
    QCOMPARE(dlg.ui.edtFolder->property("Hint").toString(), QStringLiteral("remembered"));
}

void FormTest::typingLimitCountsBytes_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("after");
    const QString kanji128 = QString(128, QChar(u'表'));
    const QString ascii255 = QString(255, u'a');
    QTest::newRow("128 kanji fill 256 bytes")  << "cmbBtnFace" << "" << kanji128 << kanji128;
    QTest::newRow("no byte left for more")     << "cmbMnuFace" << kanji128 << "x" << kanji128;
    QTest::newRow("a kanji needs two bytes")   << "edtFolder" << ascii255 << "表" << ascii255;
    QTest::newRow("one byte left for ASCII")   << "edtFolder" << ascii255 << "bc" << ascii255 + "b";
    QTest::newRow("half-width kana is 1 byte") << "edtFolder" << ascii255 << "ｱ" << ascii255 + "ｱ";
    QTest::newRow("templates have no limit")   << "edtName" << kanji128 << "xyz" << kanji128 + "xyz";
}

void FormTest::typingLimitCountsBytes() {
    QFETCH(QString, field);
    QFETCH(QString, before);
    QFETCH(QString, typed);
    QFETCH(QString, after);
    ProgramDir dir;
    FakePrompts prompts;
    TFormOptionDlg dlg(prompts);
    ShowActive(dlg);
    QWidget* w = dlg.findChild<QWidget*>(field);
    QLineEdit* edit = qobject_cast<QComboBox*>(w) ? qobject_cast<QComboBox*>(w)->lineEdit()
                                                  : qobject_cast<QLineEdit*>(w);
    edit->setText(before);
    edit->setFocus();
    edit->end(false);
    Type(edit, typed);
    QCOMPARE(edit->text(), after);
}

void FormTest::loadedTextIsShownWholeAndMayBeShortened() {
    ProgramDir dir;
    const QString long300 = QString(300, u'y');
    dir.writeIni({"[Format]", "ButtonFormat=\"" + long300 + "\""});
    FakePrompts prompts;
    TFormOptionDlg dlg(prompts);
    ShowActive(dlg);
    QLineEdit* edit = dlg.ui.cmbBtnFace->lineEdit();
    QCOMPARE(edit->text(), long300);
    edit->setFocus();
    edit->end(false);
    QTest::keyClick(edit, Qt::Key_Backspace);
    QCOMPARE(edit->text().size(), 299);
    QTest::keyClicks(edit, "z");  // still over the limit: typing is refused
    QCOMPARE(edit->text().size(), 299);
    // A paste over the limit is cut to what fits.
    edit->setText(QString(250, u'a'));
    edit->end(false);
    edit->insert(QStringLiteral("0123456789"));
    QCOMPARE(edit->text(), QString(250, u'a') + "012345");
}

void FormTest::mulDivRoundsHalvesAwayFromZero_data() {
    QTest::addColumn<int>("a");
    QTest::addColumn<int>("b");
    QTest::addColumn<int>("c");
    QTest::addColumn<int>("result");
    QTest::newRow("exact")          << 240 << 6 << 4 << 360;
    QTest::newRow("half rounds up") << 14 << 13 << 8 << 23;   // 22.75
    QTest::newRow("half")           << 5 << 1 << 2 << 3;      // 2.5
    QTest::newRow("below half")     << 8 << 7 << 4 << 14;
    QTest::newRow("negative half")  << -5 << 1 << 2 << -3;
    QTest::newRow("rounds down")    << 95 << 7 << 4 << 166;   // 166.25
}

void FormTest::mulDivRoundsHalvesAwayFromZero() {
    QFETCH(int, a);
    QFETCH(int, b);
    QFETCH(int, c);
    QFETCH(int, result);
    QCOMPARE(MulDiv(a, b, c), result);
}

QTEST_MAIN(FormTest)
#include "tst_form.moc"
