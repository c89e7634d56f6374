#include "gui/pages/CPage.h"

#include "gui/shell/ShellTexts.h"
#include "gui/widgets/CListCtrlEx.h"

#include <QBoxLayout>
#include <QLabel>
#include <QScrollArea>
#include <QVBoxLayout>

namespace qarvo::gui {

namespace {

// Room for the page's margins and its scroll bar.
constexpr int kPageFrame = 40;
// Room for a grid's group box around its columns.
constexpr int kGroupFrame = 30;

// The width a part wants beside another: a grid's columns in full.
int wantedWidth(QWidget* part)
{
    const auto* grid = part->findChild<CListCtrlEx*>();
    return std::max(part->sizeHint().width(), grid ? grid->columnsWidth() + kGroupFrame : 0);
}

} // namespace

CPage::CPage(int nameTextId, QWidget* parent) : QWidget(parent), nameTextId_(nameTextId) {}

QString CPage::name() const { return text(nameTextId_); }

void CPage::showPlaceholder()
{
    auto* layout = new QVBoxLayout(this);
    placeholder_ = new QLabel(QStringLiteral("<h3>%1</h3><p>%2</p>")
                                  .arg(name().toHtmlEscaped(), text(shell_text::kPageNotBuilt).toHtmlEscaped()));
    placeholder_->setObjectName(QStringLiteral("placeholder"));
    placeholder_->setAlignment(Qt::AlignCenter);
    placeholder_->setWordWrap(true);
    layout->addWidget(placeholder_);
}

void CPage::setScrollingBody(QWidget* contents, const QString& scrollName)
{
    auto* scroll = new QScrollArea;
    scroll->setObjectName(scrollName);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    scroll->setWidget(contents);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(scroll);
}

QBoxLayout* CPage::addPair(QWidget* first, QWidget* second)
{
    auto* pair = new QBoxLayout(QBoxLayout::TopToBottom);
    pair->addWidget(first, 1);
    pair->addWidget(second, 1);
    pairs_.push_back({pair, {first, second}});
    return pair;
}

void CPage::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    const int available = width() - kPageFrame;
    for (const auto& [layout, parts] : pairs_) {
        const int first = wantedWidth(parts.first);
        const int second = wantedWidth(parts.second);
        const bool wide = first + second + layout->spacing() <= available;
        layout->setDirection(wide ? QBoxLayout::LeftToRight : QBoxLayout::TopToBottom);
        layout->setStretchFactor(parts.first, wide ? first : 1);
        layout->setStretchFactor(parts.second, wide ? second : 1);
    }
}

} // namespace qarvo::gui
