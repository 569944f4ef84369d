#pragma once

#include <QRect>

#include <vector>

class QWidget;

// The order the Tab key walks a page's controls in: the way the page is read, left to right
// along a row, the rows top to bottom. Pages with controls placed by hand set it from their
// geometry, so that it never follows the order the controls happened to be made in.
class FocusChain {
public:
    // Indexes of `places` in reading order. A row is led by the place that ends highest; the
    // places whose middle lies within the leader's height share its row. A tall place (a list,
    // the picture) so joins the row of the small controls beside its middle, after them when it
    // is to their right.
    static std::vector<std::size_t> ReadingOrder(const std::vector<QRect>& places);

    // The controls inside `container` that Tab stops at, in reading order; a control inside
    // another such control (a combo box's field) is left to it.
    static std::vector<QWidget*> ByPlace(QWidget* container);

    // Makes Tab walk `widgets` in the order given.
    static void Apply(const std::vector<QWidget*>& widgets);
};
