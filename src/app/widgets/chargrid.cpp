#include "widgets/chargrid.h"

#include <QHeaderView>
#include <QMouseEvent>
#include <QStyle>
#include <QTimer>
#include <algorithm>
#include <utility>

#include "shell/listzoom.h"
#include "widgets/chargridmodel.h"
#include "widgets/previewdelegate.h"

namespace {

constexpr int PreviewWidth = 70;
constexpr int CharacterWidth = 44;

} // namespace

TDatabaseGrid::TDatabaseGrid(TFZXFont& font, QWidget* parent)
    : QTableView(parent), FFont(font), FModel(new TCharGridModel(this)),
      FDelegate(new TPreviewDelegate(font, this)) {
    setObjectName(QStringLiteral("DatabaseGrid1"));
    setModel(FModel);
    setItemDelegate(FDelegate);
    FDelegate->OnPictureHeight = [this](int row, int height) { GrowRow(row, height); };

    QFont cellFont(QStringLiteral("Courier"));
    cellFont.setPixelSize(16);
    setFont(cellFont);

    setShowGrid(true);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Tab goes on to the next control; moving between a row's two cells
    // chose no other character anyway.
    setTabKeyNavigation(false);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    setWordWrap(false);
    setCornerButtonEnabled(false);

    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    verticalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setDefaultSectionSize(RowSectionFor(0));

    QHeaderView* top = horizontalHeader();
    top->show();
    top->setSectionResizeMode(QHeaderView::Fixed);
    top->setStretchLastSection(false);
    top->setHighlightSections(false);
    top->setSectionsClickable(false);
    top->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    // The header row shows the cell font too, not the header's own.
    top->setFont(cellFont);
    top->resizeSection(TCharGridModel::PreviewColumn, PreviewWidth);
    top->resizeSection(TCharGridModel::CharacterColumn, CharacterWidth);

    // Like the grid's first data cell: the first glyph's preview.
    setCurrentIndex(FModel->index(0, TCharGridModel::PreviewColumn));
}

int TDatabaseGrid::CurrentRow() const {
    const QModelIndex current = currentIndex();
    return current.isValid() ? current.row() + 1 : 0;
}

int TDatabaseGrid::RowSectionFor(int pictureHeight) const {
    // Qt counts the grid line into the section; the cell itself stays at
    // least the default row height and as tall as the picture.
    const int gridLine = showGrid() ? 1 : 0;
    return std::max(CharListRowHeight, pictureHeight) + gridLine;
}

QSize TDatabaseGrid::minimumSizeHint() const {
    const int width = horizontalHeader()->length() + 2 * frameWidth() +
                      style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
    return QSize(width, QTableView::minimumSizeHint().height());
}

void TDatabaseGrid::SelectRow(int row) {
    if (row < 1 || row > TCharGridModel::RecordCount) return;
    const QModelIndex current = currentIndex();
    const int column = current.isValid() ? current.column() : TCharGridModel::PreviewColumn;
    const QModelIndex target = FModel->index(row - 1, column);
    GrowGlyphRows();
    scrollTo(target);
    if (target == current)
        ReportCurrent();
    else
        setCurrentIndex(target); // reports through currentChanged
}

void TDatabaseGrid::Refresh() {
    GrowGlyphRows();
    viewport()->update();
}

void TDatabaseGrid::GrowGlyphRows() {
    // Every picture is one body high (small bodies are zoomed to at most a
    // default row), so the rows of all glyphs can take their height before
    // they come into view: scrolling to a row then lands where it is drawn.
    const int height = FFont.Height();
    if (height <= 0) return;
    const int wanted = RowSectionFor(height >= CharListRowHeight ? height : CharListRowHeight);
    const int rows = std::min(FFont.Count(), TCharGridModel::RecordCount);
    for (int row = 0; row < rows; ++row)
        if (rowHeight(row) < wanted) setRowHeight(row, wanted);
}

void TDatabaseGrid::keyboardSearch(const QString& search) {
    if (search.isEmpty()) return;
    const char16_t code = search.back().unicode();
    if (code < TCharGridModel::FirstCode || code > 255) return;
    SelectRow(code - TCharGridModel::FirstCode + 1);
}

void TDatabaseGrid::mousePressEvent(QMouseEvent* event) {
    const QModelIndex before = currentIndex();
    QTableView::mousePressEvent(event);
    const QModelIndex hit = indexAt(event->position().toPoint());
    // A new current cell has reported itself already.
    if (hit.isValid() && hit == before && currentIndex() == before) ReportCurrent();
}

void TDatabaseGrid::paintEvent(QPaintEvent* event) {
    QTableView::paintEvent(event);
    if (FPaintedOnce) return;
    FPaintedOnce = true;
    // After this paint event: the window's answer repaints the list again.
    QTimer::singleShot(0, this, &TDatabaseGrid::ReportCurrent);
}

void TDatabaseGrid::FirstPaintReport() {
    if (FPaintedOnce) return;
    FPaintedOnce = true;
    ReportCurrent();
}

void TDatabaseGrid::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
    QTableView::currentChanged(current, previous);
    if (current.isValid()) emit CellPositionChanged(current.row() + 1);
}

void TDatabaseGrid::GrowRow(int row, int pictureHeight) {
    const int wanted = RowSectionFor(pictureHeight);
    if (wanted <= rowHeight(row) || wanted <= FPendingHeights.value(row, 0)) return;
    FPendingHeights.insert(row, wanted);
    if (FHeightsQueued) return;
    FHeightsQueued = true;
    QTimer::singleShot(0, this, &TDatabaseGrid::ApplyRowHeights);
}

void TDatabaseGrid::ApplyRowHeights() {
    FHeightsQueued = false;
    const QHash<int, int> heights = std::exchange(FPendingHeights, {});
    // Rows only grow: a lower body height keeps them as they are.
    for (auto it = heights.begin(); it != heights.end(); ++it)
        if (it.value() > rowHeight(it.key())) setRowHeight(it.key(), it.value());
}

void TDatabaseGrid::ReportCurrent() {
    const int row = CurrentRow();
    if (row > 0) emit CellPositionChanged(row);
}
