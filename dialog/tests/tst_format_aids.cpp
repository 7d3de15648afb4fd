// The aids to writing a display format: the live preview beside each caption with
// its month/minute warning, the renderings in the preset lists, and the token
// submenu of each format's edit.
#include <QAbstractItemView>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTimeEdit>
#include <QtTest>
#include <memory>

#include "TestSupport.hpp"
#include "dialog/FormatPreview.hpp"
#include "dialog/OptionDlgUnit.hpp"
#include "platform/clock.hpp"

using namespace vesmark;
using namespace vesmark::dialog;
using namespace vesmark::dialog::test;

namespace {

// The picked test date-time of these tests: a Thursday afternoon in February.
const QDate kDate(2024, 2, 29);
const QTime kTime(13, 5, 9);

void PickTestDateTime(TFormOptionDlg& dlg) {
    dlg.ui.dtpTestDate->setDate(kDate);
    dlg.ui.dtpTestTime->setTime(kTime);
}

QComboBox* Combo(TFormOptionDlg& dlg, const QString& which) {
    return which == "btn" ? dlg.ui.cmbBtnFace : dlg.ui.cmbMnuFace;
}

FormatPreview* Preview(TFormOptionDlg& dlg, const QString& which) {
    return which == "btn" ? dlg.ui.prvBtnFace : dlg.ui.prvMnuFace;
}

// Opens the context menu of the combo box's edit as a right click does.
QMenu* OpenEditMenu(QComboBox* combo) {
    const QPoint at(4, 4);
    QContextMenuEvent event(QContextMenuEvent::Mouse, at, combo->lineEdit()->mapToGlobal(at));
    QApplication::sendEvent(combo->lineEdit(), &event);
    return qobject_cast<QMenu*>(QApplication::activePopupWidget());
}

}  // namespace

class FormatAidsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { InstallFonts(); }
    void cleanup() { platform::SetClock({}); }

    void previewRendersWhatIsTyped_data();
    void previewRendersWhatIsTyped();
    void previewFollowsAPresetPick();
    void longPreviewIsElidedWithTheWholeTextAsTooltip();
    void warningNeitherChangesTheTextNorBlocksTheSave();
    void previewTicksWhileThePickersHoldThePresent();

    void presetListsShowTheirRenderings();

    void tokenMenuShowsEachTokenWithItsRendering();
    void tokenGoesInAtTheCaret_data();
    void tokenGoesInAtTheCaret();
};

void FormatAidsTest::previewRendersWhatIsTyped_data() {
    QTest::addColumn<QString>("which");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("warning");
    const QString refusal =
        "「%1」に保存できない文字「가」(U+AC00) があります。この文字を別の文字に置き換えてください。";
    // name                        combo    typed             preview           warning
    QTest::newRow("date")          << "btn" << "yyyy/mm/dd"   << "2024/02/29"   << "";
    QTest::newRow("kanji")         << "mnu" << "m'月'd'日'aaa" << "2月29日木"     << "";
    QTest::newRow("minute")        << "btn" << "hh:nn:ss"     << "13:05:09"     << "";
    QTest::newRow("month slip")    << "btn" << "hh:mm"        << "13:02"        << "mm は月です。分は nn";
    QTest::newRow("before second") << "mnu" << "M:S"          << "2:9"          << "M は月です。分は N";
    QTest::newRow("not in cp932")  << "btn" << "yy가"         << ""
                                   << refusal.arg("ツールボタン表示形式");
    QTest::newRow("menu's field")  << "mnu" << "가"           << ""
                                   << refusal.arg("前後日メニュー表示形式");
}

void FormatAidsTest::previewRendersWhatIsTyped() {
    QFETCH(QString, which);
    QFETCH(QString, typed);
    QFETCH(QString, text);
    QFETCH(QString, warning);
    ProgramDir dir;
    FakePrompts prompts;
    TFormOptionDlg dlg(prompts);
    PickTestDateTime(dlg);
    QLineEdit* edit = Combo(dlg, which)->lineEdit();
    edit->clear();
    Type(edit, typed);
    FormatPreview* preview = Preview(dlg, which);
    QTRY_COMPARE(preview->Warning(), warning);
    QTRY_COMPARE(preview->Text(), text);
    QVERIFY(prompts.calls.isEmpty());  // the preview never opens a box

    // Each keystroke renders again.
    edit->end(false);
    Type(edit, "'!'");
    if (!text.isEmpty()) QTRY_COMPARE(preview->Text(), text + "!");
}

void FormatAidsTest::previewFollowsAPresetPick() {
    ProgramDir dir;
    FakePrompts prompts;
    TFormOptionDlg dlg(prompts);
    dlg.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dlg));
    PickTestDateTime(dlg);
    QComboBox* combo = dlg.ui.cmbMnuFace;
    combo->setEditText("x");
    QTRY_COMPARE(dlg.ui.prvMnuFace->Text(), QStringLiteral("x"));

    combo->showPopup();
    QAbstractItemView* list = combo->view();
    QTRY_VERIFY(list->isVisible());
    const QModelIndex item = list->model()->index(2, 0);  // ddd', 'dd' 'mmm' 'yyyy
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(item).center());
    QTRY_COMPARE(combo->currentText(), QStringLiteral("ddd', 'dd' 'mmm' 'yyyy"));
    QTRY_COMPARE(dlg.ui.prvMnuFace->Text(), QStringLiteral("Thu, 29 Feb 2024"));
    QCOMPARE(dlg.ui.prvBtnFace->Text().isEmpty(), false);  // the other preview is its own
}

void FormatAidsTest::longPreviewIsElidedWithTheWholeTextAsTooltip() {
    ProgramDir dir;
    FakePrompts prompts;
    TFormOptionDlg dlg(prompts);
    PickTestDateTime(dlg);
    dlg.ui.cmbBtnFace->setEditText("yyyy/mm/dd " + QString(60, u'x') + " hh:mm");
    FormatPreview* preview = dlg.ui.prvBtnFace;
    const QString whole = "2024/02/29 " + QString(60, u'x') + " 13:02";
    QTRY_COMPARE(preview->Text(), whole);
    QVERIFY(preview->ShownText().endsWith(u'…'));
    QVERIFY(whole.startsWith(preview->ShownText().chopped(1)));
    QCOMPARE(preview->ShownWarning(), QStringLiteral("mm は月です。分は nn"));
    QCOMPARE(preview->toolTip(), whole + "\nmm は月です。分は nn");
    // The text and the warning share the line without overlapping.
    const QFontMetrics metrics(preview->font());
    QVERIFY(metrics.horizontalAdvance(preview->ShownText()) +
                metrics.horizontalAdvance(preview->ShownWarning()) <= preview->width());
    QCOMPARE(preview->geometry(), QRect(160, 23, 305, 16));
    QCOMPARE(preview->focusPolicy(), Qt::NoFocus);

    dlg.ui.cmbBtnFace->setEditText("yyyy");
    QTRY_COMPARE(preview->ShownText(), QStringLiteral("2024"));
    QCOMPARE(preview->toolTip(), QStringLiteral("2024"));
}

void FormatAidsTest::warningNeitherChangesTheTextNorBlocksTheSave() {
    ProgramDir dir;
    FakePrompts prompts;
    TFormOptionDlg dlg(prompts);
    dlg.ui.cmbBtnFace->setEditText("hh:mm");
    QTRY_VERIFY(!dlg.ui.prvBtnFace->Warning().isEmpty());
    QCOMPARE(dlg.ui.cmbBtnFace->currentText(), QStringLiteral("hh:mm"));
    dlg.btnSetClick();
    QVERIFY(prompts.calls.isEmpty());
    QCOMPARE(dlg.result(), int(QDialog::Accepted));
    QVERIFY(dir.iniText().contains("ButtonFormat=\"hh:mm\""));
}

void FormatAidsTest::previewTicksWhileThePickersHoldThePresent() {
    ProgramDir dir;
    auto now = std::make_shared<TDateTime>(*EncodeDateTime(2001, 2, 3, 4, 5, 6, 0));
    platform::SetClock([now] { return *now; });
    FakePrompts prompts;
    TFormOptionDlg dlg(prompts);
    dlg.ui.cmbBtnFace->setEditText("hh:nn:ss");
    FormatPreview* preview = dlg.ui.prvBtnFace;
    QTRY_COMPARE(preview->Text(), QStringLiteral("04:05:06"));
    QVERIFY(dlg.PreviewFollowsClock());

    // The clock moves on: within about a second the preview follows, and the
    // pickers keep the moment of the load.
    *now = *EncodeDateTime(2001, 2, 3, 4, 5, 7, 0);
    QTRY_COMPARE_WITH_TIMEOUT(preview->Text(), QStringLiteral("04:05:07"), 2500);
    QCOMPARE(dlg.ui.dtpTestTime->time(), QTime(4, 5, 6));

    // Once the user changes a picker, the preview renders at the pickers and stays.
    dlg.ui.dtpTestTime->setTime(QTime(10, 0, 0));
    QTRY_COMPARE(preview->Text(), QStringLiteral("10:00:00"));
    QVERIFY(!dlg.PreviewFollowsClock());
    *now = *EncodeDateTime(2001, 2, 3, 4, 5, 9, 0);
    QTest::qWait(1300);
    QCOMPARE(preview->Text(), QStringLiteral("10:00:00"));

    // The reload puts the present into the pickers again, and the tick resumes.
    QTest::mouseClick(dlg.ui.btnRefresh, Qt::LeftButton);
    QVERIFY(dlg.PreviewFollowsClock());
    dlg.ui.cmbBtnFace->setEditText("hh:nn:ss");
    *now = *EncodeDateTime(2001, 2, 3, 4, 5, 30, 0);
    QTRY_COMPARE_WITH_TIMEOUT(preview->Text(), QStringLiteral("04:05:30"), 2500);
}

void FormatAidsTest::presetListsShowTheirRenderings() {
    ProgramDir dir;
    FakePrompts prompts;
    TFormOptionDlg dlg(prompts);
    dlg.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dlg));
    PickTestDateTime(dlg);
    struct Expected {
        QComboBox* combo;
        int row;
        QString format;
        QString rendering;
    };
    const Expected expected[] = {
        {dlg.ui.cmbBtnFace, 0, R"~(yyyy/mm/dd"("aaa") "hh:nn:ss)~", "2024/02/29(木) 13:05:09"},
        {dlg.ui.cmbBtnFace, 1, R"~(%h"時"n"分"s"秒")~", "１３時５分９秒"},
        {dlg.ui.cmbMnuFace, 0, R"~(yyyy"年"mm"月"dd"日（"aaa"）")~", "2024年02月29日（木）"},
        {dlg.ui.cmbMnuFace, 2, R"~(ddd', 'dd' 'mmm' 'yyyy)~", "Thu, 29 Feb 2024"},
    };
    for (const Expected& e : expected) {
        auto* delegate = qobject_cast<PresetDelegate*>(e.combo->itemDelegate());
        QVERIFY(delegate != nullptr);
        // Nothing is rendered before the list first opens.
        QVERIFY(delegate->Rendering(e.row).isEmpty());
    }
    for (const Expected& e : expected) {
        e.combo->showPopup();
        QTRY_VERIFY(e.combo->view()->isVisible());
        auto* delegate = qobject_cast<PresetDelegate*>(e.combo->itemDelegate());
        QCOMPARE(delegate->Rendering(e.row), e.rendering);
        // The item is still the format: that is what a pick puts into the edit.
        QCOMPARE(e.combo->itemText(e.row), e.format);
        // The row is wide enough for both.
        QStyleOptionViewItem option;
        option.initFrom(e.combo->view());
        const QModelIndex index = e.combo->model()->index(e.row, 0);
        QVERIFY(delegate->sizeHint(option, index).width() >
                option.fontMetrics.horizontalAdvance(e.format) +
                    option.fontMetrics.horizontalAdvance(e.rendering));
        e.combo->hidePopup();
        QTRY_VERIFY(!e.combo->view()->isVisible());
    }

    // Opened again after the test date changed, the list shows the new date.
    dlg.ui.dtpTestDate->setDate(QDate(2025, 1, 2));
    dlg.ui.cmbMnuFace->showPopup();
    QTRY_VERIFY(dlg.ui.cmbMnuFace->view()->isVisible());
    QCOMPARE(qobject_cast<PresetDelegate*>(dlg.ui.cmbMnuFace->itemDelegate())->Rendering(2),
             QStringLiteral("Thu, 02 Jan 2025"));
    dlg.ui.cmbMnuFace->hidePopup();
}

void FormatAidsTest::tokenMenuShowsEachTokenWithItsRendering() {
    ProgramDir dir;
    FakePrompts prompts;
    TFormOptionDlg dlg(prompts);
    dlg.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dlg));
    PickTestDateTime(dlg);
    QMenu* menu = OpenEditMenu(dlg.ui.cmbBtnFace);
    QVERIFY(menu != nullptr);
    QVERIFY(menu->actions().contains(dlg.ui.pumInsertToken->menuAction()));
    QCOMPARE(dlg.ui.pumInsertToken->title(), QStringLiteral("書式記号の挿入(&I)"));
    QStringList got;
    for (QAction* a : dlg.ui.pumInsertToken->actions()) got << a->text() + u'|' + a->property("Hint").toString();
    QCOMPARE(got, QStringList({
                      "yyyy：西暦年\t2024|yyyy",
                      "mm：月\t02|mm",
                      "dd：日\t29|dd",
                      "aaa：曜日\t木|aaa",
                      "ggg：元号\t令和|ggg",
                      "ee：和暦年\t06|ee",
                      "hh：時\t13|hh",
                      "nn：分\t05|nn",
                      "ss：秒\t09|ss",
                      "AM/PM：午前午後\tPM|AM/PM",
                  }));
    menu->close();

    // Opened again at another test date, the samples follow it.
    dlg.ui.dtpTestDate->setDate(QDate(1989, 1, 7));
    menu = OpenEditMenu(dlg.ui.cmbMnuFace);
    QVERIFY(menu != nullptr);
    QCOMPARE(dlg.ui.pumInsertToken->actions().at(4)->text(), QStringLiteral("ggg：元号\t昭和"));
    menu->close();
}

void FormatAidsTest::tokenGoesInAtTheCaret_data() {
    QTest::addColumn<QString>("which");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("caret");
    QTest::addColumn<int>("selected");  // characters selected to the right of the caret
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("expected");
    QTest::newRow("between")          << "btn" << "yyyy//dd"  << 5 << 0 << "insMonth"  << "yyyy/mm/dd";
    QTest::newRow("at the start")     << "mnu" << " dd"       << 0 << 0 << "insYear"   << "yyyy dd";
    QTest::newRow("at the end")       << "btn" << "hh:"       << 3 << 0 << "insMinute" << "hh:nn";
    QTest::newRow("over a selection") << "mnu" << "hh:mm"     << 3 << 2 << "insMinute" << "hh:nn";
    QTest::newRow("meridiem")         << "btn" << " h"        << 0 << 0 << "insAmPm"   << "AM/PM h";
}

void FormatAidsTest::tokenGoesInAtTheCaret() {
    QFETCH(QString, which);
    QFETCH(QString, text);
    QFETCH(int, caret);
    QFETCH(int, selected);
    QFETCH(QString, item);
    QFETCH(QString, expected);
    ProgramDir dir;
    FakePrompts prompts;
    TFormOptionDlg dlg(prompts);
    dlg.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dlg));
    QComboBox* combo = Combo(dlg, which);
    QComboBox* other = which == "btn" ? dlg.ui.cmbMnuFace : dlg.ui.cmbBtnFace;
    const QString otherText = other->currentText();
    combo->setEditText(text);
    combo->lineEdit()->setSelection(caret, selected);
    if (selected == 0) combo->lineEdit()->setCursorPosition(caret);

    QMenu* menu = OpenEditMenu(combo);
    QVERIFY(menu != nullptr);
    auto* action = dlg.ui.pumInsertToken->findChild<QAction*>(item);
    if (action == nullptr) action = dlg.findChild<QAction*>(item);
    QVERIFY(action != nullptr);
    action->trigger();
    menu->close();

    QCOMPARE(combo->currentText(), expected);
    QCOMPARE(combo->lineEdit()->cursorPosition(), caret + int(action->property("Hint").toString().size()));
    QCOMPARE(other->currentText(), otherText);
    QTRY_COMPARE(Preview(dlg, which)->Text().isEmpty(), false);
}

QTEST_MAIN(FormatAidsTest)
#include "tst_format_aids.moc"
