// The format previews: painting, elision and the tooltip.
#include "dialog/FormatPreview.hpp"

#include <QApplication>
#include <QPainter>
#include <algorithm>

namespace vesmark::dialog {

namespace {

constexpr int kGap = 8;  // between the text and the warning, and between format and rendering

QColor WarningColour() { return QColor(0xB0, 0x00, 0x00); }

}  // namespace

FormatPreview::FormatPreview(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::NoFocus);
}

void FormatPreview::SetResult(const QString& text, const QString& warning) {
    if (text == text_ && warning == warning_) return;
    text_ = text;
    warning_ = warning;
    QString tip = text_;
    if (!warning_.isEmpty()) tip += (tip.isEmpty() ? QString() : QStringLiteral("\n")) + warning_;
    setToolTip(tip);
    update();
}

int FormatPreview::WarningWidth() const {
    if (warning_.isEmpty()) return 0;
    return std::min(fontMetrics().horizontalAdvance(warning_), width());
}

QString FormatPreview::ShownWarning() const {
    return fontMetrics().elidedText(warning_, Qt::ElideRight, width());
}

QString FormatPreview::ShownText() const {
    const int warning = WarningWidth();
    const int room = std::max(0, width() - (warning > 0 ? warning + kGap : 0));
    return fontMetrics().elidedText(text_, Qt::ElideRight, room);
}

QSize FormatPreview::sizeHint() const { return {305, fontMetrics().height()}; }

void FormatPreview::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRect area = rect();
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(area, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, ShownText());
    if (!warning_.isEmpty()) {
        painter.setPen(WarningColour());
        painter.drawText(area, Qt::AlignRight | Qt::AlignVCenter | Qt::TextSingleLine, ShownWarning());
    }
}

void PresetDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                           const QModelIndex& index) const {
    QStyleOptionViewItem item = option;
    initStyleOption(&item, index);
    const QString format = item.text;
    const QString rendering = Rendering(index.row());

    // The row without its text (background, selection, focus), then both texts.
    item.text.clear();
    const QWidget* widget = item.widget;
    QStyle* style = widget != nullptr ? widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &item, painter, widget);

    const QRect row = style->subElementRect(QStyle::SE_ItemViewItemText, &item, widget)
                          .adjusted(kGap / 2, 0, -kGap / 2, 0);
    const QFontMetrics metrics(item.font);
    // The rendering takes the room the format leaves, and at least half the row.
    const int formatWidth = metrics.horizontalAdvance(format);
    const int renderRoom =
        rendering.isEmpty() ? 0 : std::max(row.width() / 2, row.width() - formatWidth - kGap);
    const QString shownRendering = metrics.elidedText(rendering, Qt::ElideRight, renderRoom);
    const int renderWidth = rendering.isEmpty() ? 0 : metrics.horizontalAdvance(shownRendering) + kGap;
    const QString shownFormat = metrics.elidedText(format, Qt::ElideRight, row.width() - renderWidth);

    const bool selected = item.state.testFlag(QStyle::State_Selected);
    const QPalette::ColorGroup group =
        item.state.testFlag(QStyle::State_Enabled) ? QPalette::Normal : QPalette::Disabled;
    QColor colour = item.palette.color(group, selected ? QPalette::HighlightedText : QPalette::Text);
    painter->save();
    painter->setFont(item.font);
    painter->setPen(colour);
    painter->drawText(row, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, shownFormat);
    if (!rendering.isEmpty()) {
        if (!selected) colour.setAlpha(160);
        painter->setPen(colour);
        painter->drawText(row, Qt::AlignRight | Qt::AlignVCenter | Qt::TextSingleLine, shownRendering);
    }
    painter->restore();
}

QSize PresetDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const {
    QSize size = QStyledItemDelegate::sizeHint(option, index);
    const QString rendering = Rendering(index.row());
    if (!rendering.isEmpty()) size.rwidth() += kGap + option.fontMetrics.horizontalAdvance(rendering);
    return size;
}

}  // namespace vesmark::dialog
