#include "gui/CPage.h"

#include "gui/ShellTexts.h"

#include <QLabel>
#include <QScrollArea>
#include <QVBoxLayout>

namespace qarvo::gui {

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

} // namespace qarvo::gui
