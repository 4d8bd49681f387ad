// Printing a document window: one page, at the screen's physical size.
#pragma once

class CCairnbookView;
class QPainter;
class QPrinter;
class QWidget;

void PrintSetup(QWidget* parent);
// Asks with the print dialog (or shows the preview) and prints one page.
void PrintView(CCairnbookView& view, QWidget* parent, bool preview);
// The page itself: the map as on screen, or the list's rows as a table.
void RenderPage(CCairnbookView& view, QPrinter& printer);
void RenderPage(CCairnbookView& view, QPainter& p, double scale, int pageHeight);
