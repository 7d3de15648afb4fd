// TFormOptionDlg: the option dialog's handlers over the settings, formatter and
// file-name libraries.
#include "dialog/OptionDlgUnit.hpp"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QPushButton>
#include <QTextLayout>
#include <cmath>
#include <cstdlib>

#include "dialog/FolderText.hpp"
#include "dialog/Texts.hpp"
#include "dialog/WidgetText.hpp"
#include "filepath/ComFilePathUnit.hpp"
#include "format/slip_check.hpp"
#include "format/uFormatDateTimeEx.hpp"
#include "platform/clock.hpp"
#include "platform/cp932.hpp"
#include "platform/sysfiles.hpp"
#include "settings/OptionSettings.hpp"

namespace vesmark::dialog {

namespace {

// The font family the form is drawn for, then its metric-compatible stand-ins.
const QStringList& FormFamilies() {
    static const QStringList families{QStringLiteral("ＭＳ Ｐゴシック"),
                                      QStringLiteral("IPAPGothic"),
                                      QStringLiteral("Noto Sans CJK JP")};
    return families;
}

constexpr int kFormFontPixels = 13;     // the dialog's font
constexpr int kDefaultFontPixels = 12;  // 9 points at 96 dpi: the default of new windows
constexpr std::size_t kTypingLimit = 256;

// The source name, extension and auto-save count shown by the backup test.
constexpr char kSampleFileName[] = "(" "\x83\x74\x83\x40\x83\x43\x83\x8b\x96\xbc" ")";  // (ファイル名)
constexpr char kSampleExtension[] = "(" "\x8a\x67\x92\xa3\x8e\x71" ")";                 // (拡張子)
constexpr int kSampleCount = 99;

// A locale format with a four-digit year and without a time zone, for the pickers.
QString PickerDateFormat() {
    QString f = QLocale().dateFormat(QLocale::ShortFormat);
    if (!f.contains(QStringLiteral("yyyy"))) f.replace(QStringLiteral("yy"), QStringLiteral("yyyy"));
    return f;
}

QString PickerTimeFormat() {
    QString f = QLocale().timeFormat(QLocale::LongFormat);
    f.remove(u't');
    return f.trimmed();
}

}  // namespace

void InstallFonts() {
    QFont::insertSubstitutions(FormFamilies().front(), FormFamilies().mid(1));
    QFont font(FormFamilies());
    font.setPixelSize(kDefaultFontPixels);
    QApplication::setFont(font);
}

std::string SettingsFilePath() { return AppPath + "Vesmark.ini"; }

int MulDiv(int a, int b, int c) {
    const long long n = static_cast<long long>(a) * b;
    long long q = n / c;
    const long long r = n % c;
    if (2 * std::llabs(r) >= std::llabs(static_cast<long long>(c))) q += ((n < 0) != (c < 0)) ? -1 : 1;
    return static_cast<int>(q);
}

TFormOptionDlg::TFormOptionDlg(Prompts& prompts, QWidget* parent)
    : QDialog(parent), prompts_(prompts) {
    // The form's font is set before its controls exist, so that each is laid out
    // once, in that font. Glyphs come from the first installed family of the list
    // alone: merging in other fonts would make the font system search all fonts
    // for stand-ins of the absent first family at every start, and every text the
    // form can hold (code page 932) is in the Japanese fonts of the list.
    QFont font(FormFamilies());
    font.setPixelSize(kFormFontPixels);
    font.setStyleStrategy(QFont::NoFontMerging);
    setFont(font);
    ui.setupUi(this);

    // A tool window with only the close box, staying on top, of a fixed size.
    setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint);
    setFixedSize(560, 380);

    ui.cmbBtnFace->setCompleter(nullptr);
    ui.cmbMnuFace->setCompleter(nullptr);
    new Cp932TypingLimit(ui.cmbBtnFace->lineEdit(), kTypingLimit);
    new Cp932TypingLimit(ui.cmbMnuFace->lineEdit(), kTypingLimit);
    new Cp932TypingLimit(ui.edtFolder, kTypingLimit);

    ui.dtpTestDate->setDisplayFormat(PickerDateFormat());
    ui.dtpTestDate->setDateRange(QDate(1, 1, 1), QDate(9999, 12, 31));
    ui.dtpTestTime->setDisplayFormat(PickerTimeFormat());

    ui.edtFolder->installEventFilter(this);
    ui.dtpTestDate->installEventFilter(this);
    ui.dtpTestTime->installEventFilter(this);

    // The previews: a rendering once the waiting events are handled, and the
    // clock's tick while the pickers hold the present.
    previewDue_.setSingleShot(true);
    previewDue_.setInterval(0);
    previewClock_.setSingleShot(true);
    for (QComboBox* combo : {ui.cmbBtnFace, ui.cmbMnuFace}) {
        combo->setItemDelegate(new PresetDelegate(combo));
        combo->view()->installEventFilter(this);  // renders the presets when the list opens
        combo->lineEdit()->setContextMenuPolicy(Qt::CustomContextMenu);
    }

    connect(ui.btnSet, &QPushButton::clicked, this, [this] { btnSetClick(); });
    connect(ui.btnRefresh, &QPushButton::clicked, this, [this] { btnRefreshClick(); });
    connect(ui.btnCancel, &QPushButton::clicked, this, [this] { btnCancelClick(); });
    connect(ui.btnBtnFace, &QPushButton::clicked, this, [this] { btnBtnFaceClick(); });
    connect(ui.btnMnuFace, &QPushButton::clicked, this, [this] { btnMnuFaceClick(); });
    connect(ui.btnBackup, &QPushButton::clicked, this, [this] { btnBackupClick(); });
    connect(ui.btnPopup1, &QPushButton::clicked, this, [this] { btnPopupClick(ui.btnPopup1); });
    connect(ui.btnPopup2, &QPushButton::clicked, this, [this] { btnPopupClick(ui.btnPopup2); });
    connect(ui.pumAddIdent, &QMenu::triggered, this, [this](QAction* item) { pumClick(item); });
    connect(ui.btnFolder, &QPushButton::clicked, this, [this] { btnFolderClick(); });
    connect(ui.cmbBtnFace, &QComboBox::editTextChanged, this, [this] { PreviewChanged(ui.prvBtnFace); });
    connect(ui.cmbMnuFace, &QComboBox::editTextChanged, this, [this] { PreviewChanged(ui.prvMnuFace); });
    connect(ui.dtpTestDate, &QDateEdit::dateChanged, this, [this] { PickerChanged(); });
    connect(ui.dtpTestTime, &QTimeEdit::timeChanged, this, [this] { PickerChanged(); });
    connect(&previewDue_, &QTimer::timeout, this, [this] { RenderPreviews(); });
    connect(&previewClock_, &QTimer::timeout, this, [this] { ClockTick(); });
    connect(ui.cmbBtnFace->lineEdit(), &QWidget::customContextMenuRequested, this,
            [this](const QPoint& pos) { FormatEditMenu(ui.cmbBtnFace, pos); });
    connect(ui.cmbMnuFace->lineEdit(), &QWidget::customContextMenuRequested, this,
            [this](const QPoint& pos) { FormatEditMenu(ui.cmbMnuFace, pos); });
    connect(ui.pumInsertToken, &QMenu::triggered, this, [this](QAction* item) { InsertToken(item); });

    btnRefreshClick();
}

bool TFormOptionDlg::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Show) {
        if (watched == ui.cmbBtnFace->view()) RenderPresets(ui.cmbBtnFace);
        if (watched == ui.cmbMnuFace->view()) RenderPresets(ui.cmbMnuFace);
    }
    // The Tab key leaves a date or time picker rather than walking its fields.
    if ((watched == ui.dtpTestDate || watched == ui.dtpTestTime) &&
        event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if ((key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) &&
            (key->modifiers() & ~Qt::ShiftModifier) == Qt::NoModifier) {
            focusNextPrevChild(key->key() == Qt::Key_Tab && key->modifiers() == Qt::NoModifier);
            return true;
        }
    }
    if (watched == ui.edtFolder &&
        (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut)) {
        // Only focus moving between the dialog's own controls counts: a box or a
        // menu taking the window's focus for a while is no entry or exit.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
            if (event->type() == QEvent::FocusIn) {
                edtFolderEnter();
            } else {
                edtFolderExit();
            }
        }
    }
    return QDialog::eventFilter(watched, event);
}

bool TFormOptionDlg::FieldBytes(const QString& field, const QString& text, std::string& out) {
    WidgetBytes bytes = FromWidget(text);
    if (!bytes.ok) {
        // Code page 932 cannot hold the character: say so rather than store or
        // render a stand-in for it.
        prompts_.Warn(this, texts::BoxCaption(),
                      texts::UnstorableChar(field, bytes.badChar, bytes.badCode));
        return false;
    }
    out = std::move(bytes.cp932);
    return true;
}

// The save.
void TFormOptionDlg::btnSetClick() {
    settings::OptionSettings values;
    if (!FieldBytes(ui.lblBtnFace->text(), ui.cmbBtnFace->currentText(), values.ButtonFormat) ||
        !FieldBytes(ui.lblMnuFace->text(), ui.cmbMnuFace->currentText(), values.BackNextFormat) ||
        !FieldBytes(ui.lblName->text(), ui.edtName->text(), values.BackupFileNm) ||
        !FieldBytes(ui.lblExt->text(), ui.edtExt->text(), values.BackupChgExt) ||
        !FieldBytes(ui.lblFolder->text(), ui.edtFolder->text(), values.BackupFolder)) {
        return;
    }
    values.SaveInterval = settings::ItemToInterval(ui.cmbInterval->currentIndex());
    values.BackupSave = ui.cbxBackup->isChecked();

    if (!values.BackupFolder.empty() && !platform::DirectoryExists(values.BackupFolder) &&
        !prompts_.AskYesNo(this, texts::BoxCaption(), texts::FolderMissing(), true)) {
        return;
    }

    const settings::SaveResult saved = settings::Save(SettingsFilePath(), values);
    if (!saved.ok) {
        prompts_.Stop(this, texts::AppTitle(), ToWidget(saved.message) + u'.');
        return;
    }
    accept();
}

// The load, also run once when the dialog is created.
void TFormOptionDlg::btnRefreshClick() {
    const settings::OptionSettings values = settings::Load(SettingsFilePath());
    ui.cmbBtnFace->setEditText(ToWidget(values.ButtonFormat));
    ui.cmbMnuFace->setEditText(ToWidget(values.BackNextFormat));
    ui.cmbInterval->setCurrentIndex(settings::IntervalToItem(values.SaveInterval));
    ui.cbxBackup->setChecked(values.BackupSave);
    ui.edtName->setText(ToWidget(values.BackupFileNm));
    ui.edtExt->setText(ToWidget(values.BackupChgExt));
    ui.edtFolder->setText(ToWidget(values.BackupFolder));

    const TDateTime now = platform::Now();
    const DecodedDate date = DecodeDateFully(now);
    const DecodedTime time = DecodeTime(now);
    ui.dtpTestDate->setDate(QDate(date.Year, date.Month, date.Day));
    ui.dtpTestTime->setTime(QTime(time.Hour, time.Minute, time.Second, time.MilliSecond));

    // The pickers hold the present: the previews follow the clock until the user
    // changes one of them.
    previewFollowsClock_ = true;
    ArmClock();
    PreviewChanged(ui.prvBtnFace);
    PreviewChanged(ui.prvMnuFace);
}

void TFormOptionDlg::btnCancelClick() { reject(); }

void TFormOptionDlg::btnBtnFaceClick() {
    std::string format;
    if (FieldBytes(ui.lblBtnFace->text(), ui.cmbBtnFace->currentText(), format)) {
        TestFormat(texts::BtnFaceTestCaption(), format);
    }
}

void TFormOptionDlg::btnMnuFaceClick() {
    std::string format;
    if (FieldBytes(ui.lblMnuFace->text(), ui.cmbMnuFace->currentText(), format)) {
        TestFormat(texts::MnuFaceTestCaption(), format);
    }
}

void TFormOptionDlg::btnBackupClick() {
    std::string name;
    std::string extension;
    if (!FieldBytes(ui.lblName->text(), ui.edtName->text(), name) ||
        !FieldBytes(ui.lblExt->text(), ui.edtExt->text(), extension)) {
        return;
    }
    const std::string tmpl = name + "." + extension;
    std::string sample =
        SanitizeFileName(ExpandBackupName(tmpl, kSampleFileName, kSampleExtension, kSampleCount));
    if (!sample.empty() && sample.back() == '\\' && !cp932::IsTrailByteAt(sample, sample.size() - 1)) {
        sample.pop_back();
    }
    ShowResultBox(texts::BackupTestCaption(), tmpl, sample);
}

void TFormOptionDlg::btnPopupClick(QPushButton* sender) {
    const QPoint corner = sender->mapToGlobal(QPoint(sender->width(), sender->height()));
    ui.pumAddIdent->setProperty("Tag", sender->property("Tag"));
    // The menu hangs from the button's bottom-right corner and extends to the left.
    ui.pumAddIdent->ensurePolished();
    const int width = ui.pumAddIdent->sizeHint().width();
    ui.pumAddIdent->popup(QPoint(corner.x() - width, corner.y()));
}

void TFormOptionDlg::pumClick(QAction* sender) {
    const QString ident = sender->property("Hint").toString();
    switch (ui.pumAddIdent->property("Tag").toInt()) {
    case 1: ui.edtName->setText(ui.edtName->text() + ident); break;
    case 2: ui.edtExt->setText(ui.edtExt->text() + ident); break;
    default: break;
    }
}

void TFormOptionDlg::edtFolderEnter() { ui.edtFolder->setProperty("Hint", ui.edtFolder->text()); }

void TFormOptionDlg::edtFolderExit() {
    const QString text = ui.edtFolder->text();
    if (text == ui.edtFolder->property("Hint").toString()) return;
    const WidgetBytes bytes = FromWidget(text);
    // A character code page 932 cannot hold is left for the save to name.
    if (!bytes.ok) return;
    const QString cleaned = ToWidget(CleanFolderText(bytes.cp932));
    ui.edtFolder->setText(cleaned);
    ui.edtFolder->setProperty("Hint", cleaned);
}

void TFormOptionDlg::btnFolderClick() {
    QString start = ui.edtFolder->text();
    if (start.isEmpty()) start = ToWidget(AppPath);
    const std::optional<QString> chosen =
        prompts_.PickFolder(this, texts::FolderPickerTitle(), start);
    if (chosen) ui.edtFolder->setText(QDir::toNativeSeparators(*chosen));
}

TDateTime TFormOptionDlg::TestDateTime() const {
    const QDate date = ui.dtpTestDate->date();
    const double days = EncodeDate(date.year(), date.month(), date.day()).value_or(0.0);
    const double time = ui.dtpTestTime->time().msecsSinceStartOfDay() / 86'400'000.0;
    // Before 1899-12-30 the time of day counts away from zero, like the day itself.
    return days < 0 ? days - time : days + time;
}

TDateTime TFormOptionDlg::PreviewDateTime() const {
    return previewFollowsClock_ ? platform::Now() : TestDateTime();
}

void TFormOptionDlg::PreviewChanged(FormatPreview* preview) {
    (preview == ui.prvBtnFace ? btnFaceDue_ : mnuFaceDue_) = true;
    if (!previewDue_.isActive()) previewDue_.start();
}

void TFormOptionDlg::RenderPreviews() {
    if (btnFaceDue_) RenderPreview(ui.prvBtnFace, ui.lblBtnFace, ui.cmbBtnFace);
    if (mnuFaceDue_) RenderPreview(ui.prvMnuFace, ui.lblMnuFace, ui.cmbMnuFace);
    btnFaceDue_ = mnuFaceDue_ = false;
}

// The format rendered as the test button renders it, with a warning for a month
// where a minute is expected; a character code page 932 cannot hold gets the
// refusal the test button would show, on one line.
void TFormOptionDlg::RenderPreview(FormatPreview* preview, const QLabel* caption, const QComboBox* combo) {
    const WidgetBytes bytes = FromWidget(combo->currentText());
    if (!bytes.ok) {
        QString refusal = texts::UnstorableChar(caption->text(), bytes.badChar, bytes.badCode);
        preview->SetResult({}, refusal.remove(u'\r').remove(u'\n'));
        return;
    }
    QString warning;
    const std::vector<MinuteSlip> slips = FindMinuteSlips(bytes.cp932);
    if (!slips.empty()) {
        warning = texts::MinuteSlip(QString::fromStdString(slips.front().Written()),
                                    QString::fromStdString(slips.front().Minute()));
    }
    preview->SetResult(ToWidget(FormatDateTimeEx(bytes.cp932, PreviewDateTime())), warning);
}

void TFormOptionDlg::PickerChanged() {
    previewFollowsClock_ = false;
    previewClock_.stop();
    PreviewChanged(ui.prvBtnFace);
    PreviewChanged(ui.prvMnuFace);
}

void TFormOptionDlg::ClockTick() {
    if (!previewFollowsClock_) return;
    PreviewChanged(ui.prvBtnFace);
    PreviewChanged(ui.prvMnuFace);
    ArmClock();
}

// The next tick comes as the clock's second changes.
void TFormOptionDlg::ArmClock() {
    previewClock_.start(1000 - DecodeTime(platform::Now()).MilliSecond);
}

void TFormOptionDlg::RenderPresets(QComboBox* combo) {
    auto* delegate = qobject_cast<PresetDelegate*>(combo->itemDelegate());
    if (delegate == nullptr) return;
    const TDateTime at = PreviewDateTime();
    QStringList renderings;
    for (int i = 0; i < combo->count(); ++i) {
        const WidgetBytes bytes = FromWidget(combo->itemText(i));
        renderings << (bytes.ok ? ToWidget(FormatDateTimeEx(bytes.cp932, at)) : QString());
    }
    delegate->SetRenderings(renderings);
}

void TFormOptionDlg::FormatEditMenu(QComboBox* combo, const QPoint& pos) {
    QLineEdit* edit = combo->lineEdit();
    QMenu* menu = edit->createStandardContextMenu();
    menu->setObjectName(QStringLiteral("FormatEditMenu"));
    menu->setAttribute(Qt::WA_DeleteOnClose);
    ui.pumInsertToken->setProperty("Tag", combo == ui.cmbBtnFace ? 1 : 2);
    // Each token with its rendering, in the column menus keep for shortcuts.
    const TDateTime at = PreviewDateTime();
    for (QAction* item : ui.pumInsertToken->actions()) {
        const std::string token = FromWidget(item->property("Hint").toString()).cp932;
        item->setText(item->text().section(u'\t', 0, 0) + u'\t' + ToWidget(FormatDateTimeEx(token, at)));
    }
    menu->addSeparator();
    menu->addMenu(ui.pumInsertToken);
    menu->popup(edit->mapToGlobal(pos));
}

// The token goes in at the caret, in place of a selection, as if typed.
void TFormOptionDlg::InsertToken(QAction* item) {
    const QString token = item->property("Hint").toString();
    switch (ui.pumInsertToken->property("Tag").toInt()) {
    case 1: ui.cmbBtnFace->lineEdit()->insert(token); break;
    case 2: ui.cmbMnuFace->lineEdit()->insert(token); break;
    default: break;
    }
}

void TFormOptionDlg::TestFormat(const QString& caption, const std::string& format) {
    ShowResultBox(caption, format, FormatDateTimeEx(format, TestDateTime()));
}

void TFormOptionDlg::ShowResultBox(const QString& caption, const std::string& text,
                                   const std::string& result) {
    TopmostSuspender suspend(this);
    // Owned by the application, not by the dialog, so it has the default font of
    // new windows rather than the dialog's.
    QDialog box(nullptr, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                             Qt::WindowCloseButtonHint);
    box.setObjectName(QStringLiteral("ResultBox"));
    box.setWindowModality(Qt::ApplicationModal);
    box.setWindowTitle(caption);

    const int h = std::abs(QFontInfo(box.font()).pixelSize());  // vertical unit
    const int u = (h + 1) / 2;                                  // horizontal unit
    const int clientWidth = MulDiv(240, u, 4);
    const int maxWidth = MulDiv(224, u, 4);

    // The label: as wide as its text up to the maximum, as tall as its lines.
    // Lines break at blanks where they can and anywhere where they must.
    const QString labelText = ToWidget(text);
    QTextLayout layout(labelText, box.font());
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    QStringList lines;
    qreal widest = 0;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(maxWidth);
        lines << labelText.mid(line.textStart(), line.textLength());
        widest = std::max(widest, line.naturalTextWidth());
    }
    layout.endLayout();
    auto* label = new QLabel(&box);
    label->setObjectName(QStringLiteral("ResultLabel"));
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setText(lines.join(u'\n'));
    const int labelWidth = std::min(maxWidth, static_cast<int>(std::ceil(widest)) + 1);
    label->setGeometry(MulDiv(8, u, 4), MulDiv(8, h, 8), labelWidth,
                       std::max(label->heightForWidth(labelWidth), QFontMetrics(box.font()).height()));

    // The edit shows the result whole, however long: it is read-only, so no
    // typing limit applies to it.
    auto* edit = new QLineEdit(&box);
    edit->setObjectName(QStringLiteral("ResultEdit"));
    edit->setReadOnly(true);
    edit->setText(ToWidget(result));
    edit->setGeometry(label->x(), label->y() + label->height() + 5, maxWidth, edit->sizeHint().height());

    auto* ok = new QPushButton(texts::ResultBoxOk(), &box);
    ok->setObjectName(QStringLiteral("ResultOk"));
    ok->setDefault(true);
    ok->setGeometry(MulDiv(95, u, 4), edit->y() + edit->height() + 15, MulDiv(50, u, 4),
                    MulDiv(14, h, 8));
    connect(ok, &QPushButton::clicked, &box, &QDialog::accept);
    QWidget::setTabOrder(edit, ok);

    box.setFixedSize(clientWidth, ok->y() + ok->height() + 13);
    edit->selectAll();
    edit->setFocus();
    box.exec();
}

}  // namespace vesmark::dialog
