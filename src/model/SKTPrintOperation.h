#pragma once
// A print of the document's card: the printer set up (title, the card's page size, settings) and
// the render job it prints, one page.

#include <memory>

class QPrinter;
class SKTRenderingView;

class SKTPrintOperation {
public:
    SKTPrintOperation(std::unique_ptr<QPrinter> printer, std::shared_ptr<const SKTRenderingView> view);
    ~SKTPrintOperation();
    QPrinter &printer() { return *m_printer; }
    const SKTRenderingView &view() const { return *m_view; }
    // Prints the card on the GUI thread; NO when the printer could not be started.
    bool runOperation();

private:
    std::unique_ptr<QPrinter> m_printer;
    std::shared_ptr<const SKTRenderingView> m_view;
};
