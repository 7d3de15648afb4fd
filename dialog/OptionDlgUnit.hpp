// The option dialog TFormOptionDlg: the form, the load and save of the settings
// file, the editing aids and the test previews.
#pragma once

#include <QDialog>
#include <QString>
#include <QTimer>
#include <string>

#include "dialog/FormatPreview.hpp"
#include "dialog/Prompts.hpp"
#include "platform/datetime.hpp"
#include "ui_OptionDlgUnit.h"

namespace vesmark::dialog {

// The dialog's font family and its stand-ins, and the default font of new windows.
void InstallFonts();

// The settings file: AppPath + "Vesmark.ini" (CP932).
std::string SettingsFilePath();

class TFormOptionDlg : public QDialog {
    Q_OBJECT
public:
    explicit TFormOptionDlg(Prompts& prompts = SystemPrompts(), QWidget* parent = nullptr);

    // The form's components, as the form description names them.
    Ui::TFormOptionDlg ui;

    // Event handlers.
    void btnSetClick();
    void btnRefreshClick();
    void btnCancelClick();
    void btnBtnFaceClick();
    void btnMnuFaceClick();
    void btnBackupClick();
    void btnPopupClick(QPushButton* sender);
    void pumClick(QAction* sender);
    void edtFolderEnter();
    void edtFolderExit();
    void btnFolderClick();

    // Renders a format (CP932) at the test date-time and shows it in the result box.
    void TestFormat(const QString& caption, const std::string& format);
    // The modal result box: the text (CP932) in a label, the result in a read-only edit.
    void ShowResultBox(const QString& caption, const std::string& text, const std::string& result);

    // The test date-time: the day of dtpTestDate at the time of day of dtpTestTime.
    TDateTime TestDateTime() const;

    // What the previews render at: the present while the pickers still hold the
    // moment of the load (the previews then tick once a second), afterwards the
    // test date-time.
    TDateTime PreviewDateTime() const;
    bool PreviewFollowsClock() const { return previewFollowsClock_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The text of a field in CP932, or nothing after telling the user which
    // character code page 932 cannot hold.
    bool FieldBytes(const QString& field, const QString& text, std::string& out);

    // The previews: a change asks for a rendering, which runs once the events
    // waiting are handled, so a burst of changes renders once.
    void PreviewChanged(FormatPreview* preview);
    void RenderPreviews();
    void RenderPreview(FormatPreview* preview, const QLabel* caption, const QComboBox* combo);
    void PickerChanged();
    void ClockTick();
    void ArmClock();
    // The renderings of a combo box's presets, for its drop-down list.
    void RenderPresets(QComboBox* combo);
    // The context menu of a format's edit, with the token submenu.
    void FormatEditMenu(QComboBox* combo, const QPoint& pos);
    void InsertToken(QAction* item);

    Prompts& prompts_;
    QTimer previewDue_;
    QTimer previewClock_;
    bool previewFollowsClock_ = false;
    bool btnFaceDue_ = false;
    bool mnuFaceDue_ = false;
};

// MulDiv(a, b, c): a * b / c rounded to the nearest whole number, halves away from zero.
int MulDiv(int a, int b, int c);

}  // namespace vesmark::dialog
