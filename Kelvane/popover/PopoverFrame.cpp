// SPDX-License-Identifier: GPL-3.0-or-later
#include "Kelvane/popover/PopoverFrame.h"

#include "Kelvane/popover/CustomTimerEditorDialog.h"
#include "Kelvane/popover/PopoverContentView.h"
#include "Kelvane/popover/PopupDismissal.h"
#include "Kelvane/popover/PopupPlacement.h"

#include <QPainter>
#include <QVBoxLayout>

PopoverFrame::PopoverFrame(PopoverModel model, QWidget* parent)
    : QWidget(parent, Qt::Popup)
    , m_model(model)
{
    setAccessibleName(QStringLiteral("Kelvane"));
    if (PopupDismissal::neededForPopups())
        new PopupDismissal(*this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    // The window follows its content's height as sections come and go.
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

PopoverFrame::~PopoverFrame()
{
    delete m_editor;
}

void PopoverFrame::setContent(PopoverContent content)
{
    m_content = std::move(content);
}

void PopoverFrame::show(const QRect& anchor)
{
    // The popover comes back by itself once the editor closes.
    if (m_editor) {
        m_editor->raise();
        m_editor->activateWindow();
        return;
    }
    m_anchor = anchor;
    dropView();
    if (m_content) {
        m_view = new PopoverContentView(m_model, *m_content, this);
        m_view->setOnEditTimer([this](const CustomTimer& timer) { openEditor(timer); });
        layout()->addWidget(m_view);
    }
    layout()->activate();
    if (!m_view)
        resize(frameWidth, 120);
    place();
    QWidget::show();
    activateWindow();
}

void PopoverFrame::openEditor(const CustomTimer& timer)
{
    if (m_editor)
        return;
    // A popup cannot stay open under a modal dialog: close it, keeping what
    // it was built from, and open it again where it was once the editor closes.
    m_keepContent = true;
    hide();
    m_keepContent = false;
    m_editor = new CustomTimerEditorDialog(timer, m_model.customTimers);
    m_editor->setAttribute(Qt::WA_DeleteOnClose);
    connect(m_editor, &QDialog::finished, this, [this] {
        m_editor = nullptr;
        if (m_content)
            show(m_anchor);
    });
    m_editor->open();
}

void PopoverFrame::place()
{
    move(popupPosition(m_anchor, size()));
}

void PopoverFrame::dropView()
{
    if (!m_view)
        return;
    // Later: the view may be inside one of its own handlers right now.
    m_view->hide();
    layout()->removeWidget(m_view);
    m_view->deleteLater();
    m_view = nullptr;
}

void PopoverFrame::hideEvent(QHideEvent* event)
{
    // Every opening builds its content from the current state.
    dropView();
    if (!m_keepContent)
        m_content.reset();
    QWidget::hideEvent(event);
}

void PopoverFrame::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    if (isVisible())
        place();
}

void PopoverFrame::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Window));
}
