#include "design/panels/LockPanel.h"

#include "platform/FormBinding.h"

#include "ui_LockPanel.h"

LockPanel::LockPanel(QWidget *parent) : QWidget(parent), ui(std::make_unique<Ui::LockPanel>())
{
    ui->setupUi(this);
    // No outlets: the page's layout, scroll area, scrolling content, the content's layout and
    // stretch, and the note.
    designform::bindForm<6>(*ui);
}

LockPanel::~LockPanel() = default;

#include "moc_LockPanel.cpp"
