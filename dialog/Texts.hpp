// The texts this program shows besides those of the form description: titles,
// questions and messages (UTF-8; they only ever go to widgets).
#pragma once

#include <QString>

namespace vesmark::dialog::texts {

// The window title of the dialog, with its leading blank.
inline QString WindowTitle() { return QStringLiteral(" オプション設定 for Vesmark Ver0.34"); }
// The caption of every question and warning box (no leading blank).
inline QString BoxCaption() { return QStringLiteral("オプション設定 for Vesmark Ver0.34"); }
// The application title: the caption of the error report.
inline QString AppTitle() { return QStringLiteral("VesmarkOpt"); }

inline QString SettingsMissing() {
    return QStringLiteral("設定ファイルVesmark.iniが見つかりません。\r\n新規作成しますか？");
}
inline QString AlreadyRunning() { return QStringLiteral("既に起動しています。"); }
inline QString FolderMissing() {
    return QStringLiteral("バックアップ先フォルダが見つかりません。\r\n登録しても宜しいですか？");
}
inline QString FolderPickerTitle() { return QStringLiteral("バックアップフォルダの選択"); }

inline QString BtnFaceTestCaption() { return QStringLiteral("ツールボタン表示形式テスト"); }
inline QString MnuFaceTestCaption() { return QStringLiteral("前後日メニュー表示形式テスト"); }
inline QString BackupTestCaption() { return QStringLiteral("バックアップ形式テスト"); }
inline QString ResultBoxOk() { return QStringLiteral("了解"); }

// A run of m or M (the month) where the minute (n) is expected, under a format.
inline QString MinuteSlip(const QString& written, const QString& minute) {
    return QStringLiteral("%1 は月です。分は %2").arg(written, minute);
}

// A character that code page 932 cannot hold, in the field named.
inline QString UnstorableChar(const QString& field, const QString& ch, char32_t code) {
    return QStringLiteral("「%1」に保存できない文字「%2」(U+%3) があります。\r\nこの文字を別の文字に置き換えてください。")
        .arg(field, ch, QString::number(static_cast<uint>(code), 16).toUpper().rightJustified(4, u'0'));
}

}  // namespace vesmark::dialog::texts
