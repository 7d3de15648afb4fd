// Previews of a display format: the one-line preview beside a format's caption,
// and the drop-down item that shows a preset's rendering beside the preset.
#pragma once

#include <QString>
#include <QStringList>
#include <QStyledItemDelegate>
#include <QWidget>

namespace vesmark::dialog {

// One read-only line: the rendered text at the left, elided at the right when it
// does not fit, and a warning, when there is one, at the right end in a warning
// colour. The tooltip holds the whole text and the warning.
class FormatPreview : public QWidget {
    Q_OBJECT
public:
    explicit FormatPreview(QWidget* parent = nullptr);

    void SetResult(const QString& text, const QString& warning);
    QString Text() const { return text_; }
    QString Warning() const { return warning_; }
    // The text as drawn: elided to the room the warning leaves.
    QString ShownText() const;
    // The warning as drawn: elided only when it alone is wider than the line.
    QString ShownWarning() const;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int WarningWidth() const;

    QString text_;
    QString warning_;
};

// Draws a preset as its format, with its rendering right-aligned in a quieter
// colour. The renderings are handed over by the dialog when the list opens.
class PresetDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void SetRenderings(const QStringList& renderings) { renderings_ = renderings; }
    // The rendering shown for the item in `row`; empty before the list first opened.
    QString Rendering(int row) const { return renderings_.value(row); }

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    QStringList renderings_;
};

}  // namespace vesmark::dialog
