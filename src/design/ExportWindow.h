#pragma once
// The label export sheet's form: its widgets taken into the Designing mode's outlets.

class DesignController;
namespace Ui { class ExportWindow; }

namespace exportwindow {
void bindExportWindow(DesignController &c, const Ui::ExportWindow &ui);
} // namespace exportwindow
