// The dialog and the settings file: load on creation and on reload, save with the
// folder question, the write error, and closing without saving.
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimeEdit>
#include <QtTest>

#include "TestSupport.hpp"
#include "dialog/OptionDlgUnit.hpp"
#include "platform/clock.hpp"
#include "platform/datetime.hpp"

using namespace vesmark;
using namespace vesmark::dialog;
using namespace vesmark::dialog::test;

class SettingsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { InstallFonts(); }
    void cleanup() { platform::SetClock({}); }

    void withoutFileTheDefaultsShowAndASaveWritesAllKeys();
    void intervalLoadsAsItemAndSavesAsMinutes_data();
    void intervalLoadsAsItemAndSavesAsMinutes();
    void backupFlagLoadsAndSaves_data();
    void backupFlagLoadsAndSaves();
    void textsComeBackUnchanged_data();
    void textsComeBackUnchanged();
    void unknownKeysSurviveASave();

    void folderQuestion_data();
    void folderQuestion();
    void saveByEnterInTheFolderEditStoresTheTextAsTyped();
    void writeErrorKeepsTheDialogOpen();
    void characterOutsideCodePage932IsRefused_data();
    void characterOutsideCodePage932IsRefused();

    void closingWithoutSavingWritesNothing_data();
    void closingWithoutSavingWritesNothing();
    void reloadRestoresTheFileAndTheClock();
    void realQuestionBoxIsAnsweredNo();
};

namespace {

const QString kFolderQuestion =
    QStringLiteral("バックアップ先フォルダが見つかりません。\r\n登録しても宜しいですか？");

QString IniWithDefaults(const QString& interval, const QString& flag) {
    return QStringLiteral(
               "[Format]\r\n"
               "ButtonFormat=\"yyyy/mm/dd\"(\"aaa\") \"hh:nn:ss\"\r\n"
               "BackNextFormat=\"yyyy\"年\"mm\"月\"dd\"日（\"aaa\"）\"\"\r\n"
               "[Backup]\r\n"
               "SaveInterval=%1\r\n"
               "BackupSave=%2\r\n"
               "BackupFileNm=\"%F\"\r\n"
               "BackupChgExt=\"~%X\"\r\n"
               "BackupFolder=\"\"\r\n")
        .arg(interval, flag);
}

}  // namespace

void SettingsTest::withoutFileTheDefaultsShowAndASaveWritesAllKeys() {
    ProgramDir dir;
    FakePrompts prompts;
    TFormOptionDlg dlg(prompts);
    QCOMPARE(dlg.ui.cmbBtnFace->currentText(), QStringLiteral(R"(yyyy/mm/dd"("aaa") "hh:nn:ss)"));
    QCOMPARE(dlg.ui.cmbMnuFace->currentText(), QStringLiteral(R"(yyyy"年"mm"月"dd"日（"aaa"）")"));
    QCOMPARE(dlg.ui.cmbInterval->currentText(), QStringLiteral("保存しない"));
    QVERIFY(!dlg.ui.cbxBackup->isChecked());
    QCOMPARE(dlg.ui.edtName->text(), QStringLiteral("%F"));
    QCOMPARE(dlg.ui.edtExt->text(), QStringLiteral("~%X"));
    QCOMPARE(dlg.ui.edtFolder->text(), QString());
    QVERIFY(!QFile::exists(dir.ini()));

    dlg.show();
    QTest::mouseClick(dlg.ui.btnSet, Qt::LeftButton);
    QVERIFY(prompts.calls.isEmpty());  // an empty folder asks nothing
    QCOMPARE(dlg.result(), int(QDialog::Accepted));
    QVERIFY(!dlg.isVisible());
    QCOMPARE(dir.iniText().trimmed(), IniWithDefaults("0", "0").trimmed());
}

void SettingsTest::intervalLoadsAsItemAndSavesAsMinutes_data() {
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("saved");
    QTest::newRow("-1")   << "-1"   << "６０分周期" << "60";
    QTest::newRow("0")    << "0"    << "保存しない" << "0";
    QTest::newRow("1")    << "1"    << "  １分周期" << "1";
    QTest::newRow("4")    << "4"    << "  １分周期" << "1";
    QTest::newRow("5")    << "5"    << "  ５分周期" << "5";
    QTest::newRow("10")   << "10"   << "  ５分周期" << "5";
    QTest::newRow("15")   << "15"   << "１５分周期" << "15";
    QTest::newRow("29")   << "29"   << "１５分周期" << "15";
    QTest::newRow("30")   << "30"   << "３０分周期" << "30";
    QTest::newRow("59")   << "59"   << "３０分周期" << "30";
    QTest::newRow("60")   << "60"   << "６０分周期" << "60";
    QTest::newRow("1000") << "1000" << "６０分周期" << "60";
    QTest::newRow("text") << "ten"  << "保存しない" << "0";
}

void SettingsTest::intervalLoadsAsItemAndSavesAsMinutes() {
    QFETCH(QString, stored);
    QFETCH(QString, item);
    QFETCH(QString, saved);
    ProgramDir dir;
    dir.writeIni({"[Backup]", "SaveInterval=" + stored});
    FakePrompts prompts;
    TFormOptionDlg dlg(prompts);
    QCOMPARE(dlg.ui.cmbInterval->currentText(), item);
    dlg.btnSetClick();
    QVERIFY(dir.iniText().contains("\r\nSaveInterval=" + saved + "\r\n"));
}

void SettingsTest::backupFlagLoadsAndSaves_data() {
    QTest::addColumn<QString>("stored");
    QTest::addColumn<bool>("checked");
    QTest::addColumn<QString>("saved");
    QTest::newRow("1")    << "1" << true  << "1";
    QTest::newRow("2")    << "2" << true  << "1";
    QTest::newRow("0")    << "0" << false << "0";
    QTest::newRow("text") << "x" << false << "0";
}

void SettingsTest::backupFlagLoadsAndSaves() {
    QFETCH(QString, stored);
    QFETCH(bool, checked);
    QFETCH(QString, saved);
    ProgramDir dir;
    dir.writeIni({"[Backup]", "BackupSave=" + stored});
    FakePrompts prompts;
    TFormOptionDlg dlg(prompts);
    QCOMPARE(dlg.ui.cbxBackup->isChecked(), checked);
    dlg.btnSetClick();
    QVERIFY(dir.iniText().contains("\r\nBackupSave=" + saved + "\r\n"));
}

void SettingsTest::textsComeBackUnchanged_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("text");
    QTest::newRow("format in quotes")      << "cmbBtnFace" << R"("hh"時")";
    QTest::newRow("format with blanks")    << "cmbMnuFace" << "  yyyy  ";
    QTest::newRow("template with blanks")  << "edtName" << " %F ";
    QTest::newRow("extension in quotes")   << "edtExt" << R"("~%X")";
    QTest::newRow("folder, kanji")         << "edtFolder" << "/srv/表ソ/保存";
    QTest::newRow("template, 5C trail")    << "edtName" << R"(ソ表\%F)";
}

void SettingsTest::textsComeBackUnchanged() {
    QFETCH(QString, field);
    QFETCH(QString, text);
    ProgramDir dir;
    FakePrompts prompts;
    prompts.answerYes = true;  // a folder that does not exist is stored all the same
    auto textOf = [&](TFormOptionDlg& d) {
        QWidget* w = d.findChild<QWidget*>(field);
        if (auto* c = qobject_cast<QComboBox*>(w)) return c->currentText();
        return qobject_cast<QLineEdit*>(w)->text();
    };
    {
        TFormOptionDlg dlg(prompts);
        QWidget* w = dlg.findChild<QWidget*>(field);
        if (auto* c = qobject_cast<QComboBox*>(w)) {
            c->setEditText(text);
        } else {
            qobject_cast<QLineEdit*>(w)->setText(text);
        }
        dlg.btnSetClick();
        QCOMPARE(dlg.result(), int(QDialog::Accepted));
    }
    TFormOptionDlg again(prompts);
    QCOMPARE(textOf(again), text);
    for (const auto& call : prompts.calls) QCOMPARE(call.kind, QStringLiteral("ask"));
}

void SettingsTest::unknownKeysSurviveASave() {
    ProgramDir dir;
    dir.writeIni({"[Clock]", "Left=12", "[Backup]", "Extra=keep me", "SaveInterval=5"});
    FakePrompts prompts;
    TFormOptionDlg dlg(prompts);
    dlg.btnSetClick();
    const QString ini = dir.iniText();
    QVERIFY(ini.startsWith("[Clock]\r\nLeft=12\r\n"));
    QVERIFY(ini.contains("Extra=keep me\r\n"));
    QVERIFY(ini.contains("SaveInterval=5\r\n"));
}

void SettingsTest::folderQuestion_data() {
    QTest::addColumn<QString>("folder");   // "<dir>" stands for an existing directory, "<file>" a file
    QTest::addColumn<bool>("asked");
    QTest::addColumn<bool>("answerYes");
    QTest::addColumn<bool>("written");
    QTest::newRow("existing directory")      << "<dir>"   << false << false << true;
    QTest::newRow("missing, answered Yes")   << "/nope/x" << true  << true  << true;
    QTest::newRow("missing, answered No")    << "/nope/x" << true  << false << false;
    QTest::newRow("a file, answered No")     << "<file>"  << true  << false << false;
    QTest::newRow("directory with a blank")  << "<dir> "  << true  << false << false;
}

void SettingsTest::folderQuestion() {
    QFETCH(QString, folder);
    QFETCH(bool, asked);
    QFETCH(bool, answerYes);
    QFETCH(bool, written);
    ProgramDir dir;
    dir.writeIni({"[Backup]", "SaveInterval=5"});
    const QByteArray before = dir.iniBytes();
    folder.replace("<dir>", dir.path());
    folder.replace("<file>", dir.ini());
    FakePrompts prompts;
    prompts.answerYes = answerYes;
    TFormOptionDlg dlg(prompts);
    dlg.show();
    dlg.ui.cmbBtnFace->setEditText("edited");
    dlg.ui.edtFolder->setText(folder);
    dlg.btnSetClick();

    QCOMPARE(prompts.calls.size(), asked ? 1 : 0);
    if (asked) {
        QCOMPARE(prompts.calls[0].kind, QStringLiteral("ask"));
        QCOMPARE(prompts.calls[0].caption, QStringLiteral("オプション設定 for Vesmark Ver0.34"));
        QCOMPARE(prompts.calls[0].text, kFolderQuestion);
        QVERIFY(prompts.calls[0].noIsDefault);
    }
    if (written) {
        QVERIFY(!dlg.isVisible());
        QVERIFY(dir.iniText().contains("BackupFolder=\"" + folder + "\"\r\n"));
    } else {
        QVERIFY(dlg.isVisible());
        QCOMPARE(dir.iniBytes(), before);
        QCOMPARE(dlg.ui.cmbBtnFace->currentText(), QStringLiteral("edited"));
        QCOMPARE(dlg.ui.edtFolder->text(), folder);
    }
}

void SettingsTest::saveByEnterInTheFolderEditStoresTheTextAsTyped() {
    ProgramDir dir;
    FakePrompts prompts;
    prompts.answerYes = true;
    TFormOptionDlg dlg(prompts);
    dlg.show();
    QApplication::setActiveWindow(&dlg);
    QVERIFY(QTest::qWaitForWindowActive(&dlg));
    dlg.ui.edtFolder->setFocus(Qt::TabFocusReason);
    QTest::keyClicks(dlg.ui.edtFolder, "/x:y");
    QTest::keyClick(dlg.ui.edtFolder, Qt::Key_Return);
    QTRY_VERIFY(!dlg.isVisible());
    QVERIFY(dir.iniText().contains("BackupFolder=\"/x:y\"\r\n"));
}

void SettingsTest::writeErrorKeepsTheDialogOpen() {
    ProgramDir dir;
    QVERIFY(QDir(dir.path()).mkdir("Vesmark.ini"));  // a directory where the file should be
    FakePrompts prompts;
    TFormOptionDlg dlg(prompts);
    dlg.show();
    dlg.ui.edtName->setText("kept");
    dlg.btnSetClick();
    QCOMPARE(prompts.calls.size(), 1);
    QCOMPARE(prompts.calls[0].kind, QStringLiteral("stop"));
    QCOMPARE(prompts.calls[0].caption, QStringLiteral("VesmarkOpt"));
    QCOMPARE(prompts.calls[0].text, dir.ini() + QStringLiteral(" に書き込めません."));
    QVERIFY(dlg.isVisible());
    QCOMPARE(dlg.ui.edtName->text(), QStringLiteral("kept"));
}

void SettingsTest::characterOutsideCodePage932IsRefused_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("character");
    QTest::newRow("emoji in a format")    << "cmbBtnFace" << "ツールボタン表示形式" << "hh😀nn" << "😀 (U+1F600)";
    QTest::newRow("extension-B kanji")    << "edtFolder"  << "バックアップ先フォルダ" << "/a/𠮷" << "𠮷 (U+20BB7)";
    QTest::newRow("Korean in extension")  << "edtExt"     << "拡張子" << "~한" << "한 (U+D55C)";
}

void SettingsTest::characterOutsideCodePage932IsRefused() {
    QFETCH(QString, field);
    QFETCH(QString, label);
    QFETCH(QString, text);
    QFETCH(QString, character);
    ProgramDir dir;
    FakePrompts prompts;
    TFormOptionDlg dlg(prompts);
    dlg.show();
    QWidget* w = dlg.findChild<QWidget*>(field);
    if (auto* c = qobject_cast<QComboBox*>(w)) {
        c->setEditText(text);
    } else {
        qobject_cast<QLineEdit*>(w)->setText(text);
    }
    dlg.btnSetClick();
    QCOMPARE(prompts.calls.size(), 1);
    QCOMPARE(prompts.calls[0].kind, QStringLiteral("warn"));
    QVERIFY2(prompts.calls[0].text.contains("「" + label + "」"), qPrintable(prompts.calls[0].text));
    const QString shown = character.section(u' ', 0, 0);
    const QString code = character.section(u' ', 1, 1);
    QVERIFY(prompts.calls[0].text.contains("「" + shown + "」" + code));
    QVERIFY(!QFile::exists(dir.ini()));
    QVERIFY(dlg.isVisible());
}

void SettingsTest::closingWithoutSavingWritesNothing_data() {
    QTest::addColumn<QString>("how");
    QTest::newRow("cancel button") << "cancel";
    QTest::newRow("Esc key")       << "esc";
    QTest::newRow("close box")     << "close";
}

void SettingsTest::closingWithoutSavingWritesNothing() {
    QFETCH(QString, how);
    ProgramDir dir;
    FakePrompts prompts;
    TFormOptionDlg dlg(prompts);
    dlg.show();
    QApplication::setActiveWindow(&dlg);
    QVERIFY(QTest::qWaitForWindowActive(&dlg));
    dlg.ui.edtName->setText("changed");
    dlg.ui.edtName->setFocus();
    if (how == "cancel") QTest::mouseClick(dlg.ui.btnCancel, Qt::LeftButton);
    if (how == "esc") QTest::keyClick(dlg.ui.edtName, Qt::Key_Escape);
    if (how == "close") dlg.close();
    QVERIFY(!dlg.isVisible());
    QCOMPARE(dlg.result(), int(QDialog::Rejected));
    QVERIFY(!QFile::exists(dir.ini()));
    QVERIFY(prompts.calls.isEmpty());
}

void SettingsTest::reloadRestoresTheFileAndTheClock() {
    ProgramDir dir;
    dir.writeIni({"[Format]", "ButtonFormat=\"hh:nn\"", "[Backup]", "SaveInterval=30",
                  "BackupSave=1", "BackupFolder=\"/srv\""});
    platform::SetClock([] { return *EncodeDateTime(2001, 2, 3, 4, 5, 6, 0); });
    FakePrompts prompts;
    TFormOptionDlg dlg(prompts);
    QCOMPARE(dlg.ui.dtpTestDate->date(), QDate(2001, 2, 3));
    QCOMPARE(dlg.ui.dtpTestTime->time(), QTime(4, 5, 6));

    dlg.ui.cmbBtnFace->setEditText("x");
    dlg.ui.cmbInterval->setCurrentIndex(0);
    dlg.ui.cbxBackup->setChecked(false);
    dlg.ui.edtFolder->setText("/elsewhere");
    dlg.ui.edtFolder->setProperty("Hint", QStringLiteral("remembered"));
    platform::SetClock([] { return *EncodeDateTime(2030, 12, 31, 23, 59, 58, 0); });
    QTest::mouseClick(dlg.ui.btnRefresh, Qt::LeftButton);

    QCOMPARE(dlg.ui.cmbBtnFace->currentText(), QStringLiteral("hh:nn"));
    QCOMPARE(dlg.ui.cmbInterval->currentIndex(), 4);
    QVERIFY(dlg.ui.cbxBackup->isChecked());
    QCOMPARE(dlg.ui.edtFolder->text(), QStringLiteral("/srv"));
    QCOMPARE(dlg.ui.edtFolder->property("Hint").toString(), QStringLiteral("remembered"));
    QCOMPARE(dlg.ui.dtpTestDate->date(), QDate(2030, 12, 31));
    QCOMPARE(dlg.ui.dtpTestTime->time(), QTime(23, 59, 58));
}

// The one test with the real message box: a timer finds it and presses No.
void SettingsTest::realQuestionBoxIsAnsweredNo() {
    ProgramDir dir;
    TFormOptionDlg dlg;  // the system's prompts
    dlg.show();
    dlg.ui.edtFolder->setText("/no/such/folder");
    bool seen = false;
    bool topmostSuspended = false;
    QString text;
    QString caption;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QString defaultButton;
    WhenModalOpens(
        [&](QWidget* w) {
            auto* box = qobject_cast<QMessageBox*>(w);
            QVERIFY(box != nullptr);
            text = box->text();
            caption = box->windowTitle();
            icon = box->icon();
            defaultButton = box->defaultButton() ? box->defaultButton()->text() : QString();
            topmostSuspended = !dlg.windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint);
            QTest::mouseClick(box->button(QMessageBox::No), Qt::LeftButton);
        },
        &seen);
    dlg.btnSetClick();
    QVERIFY(seen);
    QCOMPARE(text, kFolderQuestion);
    QCOMPARE(caption, QStringLiteral("オプション設定 for Vesmark Ver0.34"));
    QCOMPARE(icon, QMessageBox::Question);
    QCOMPARE(defaultButton, QMessageBox(QMessageBox::Question, "", "", QMessageBox::No).button(QMessageBox::No)->text());
    QVERIFY(topmostSuspended);
    QVERIFY(dlg.windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint));
    QVERIFY(dlg.isVisible());
    QVERIFY(!QFile::exists(dir.ini()));
}

QTEST_MAIN(SettingsTest)
#include "tst_settings.moc"
