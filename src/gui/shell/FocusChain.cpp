#include "gui/shell/FocusChain.h"

#include <QWidget>

#include <algorithm>
#include <numeric>

std::vector<std::size_t> FocusChain::ReadingOrder(const std::vector<QRect>& places)
{
    std::vector<std::size_t> left(places.size());
    std::iota(left.begin(), left.end(), std::size_t{0});
    std::stable_sort(left.begin(), left.end(), [&](std::size_t a, std::size_t b) {
        const QRect& pa = places[a];
        const QRect& pb = places[b];
        return pa.bottom() != pb.bottom() ? pa.bottom() < pb.bottom() : pa.left() < pb.left();
    });
    std::vector<std::size_t> order;
    order.reserve(places.size());
    while (!left.empty()) {
        const QRect leader = places[left.front()];
        std::vector<std::size_t> row;
        std::vector<std::size_t> rest;
        for (std::size_t i : left) {
            const int middle = places[i].center().y();
            (i == left.front() || (middle >= leader.top() && middle <= leader.bottom()) ? row : rest).push_back(i);
        }
        std::stable_sort(row.begin(), row.end(),
                         [&](std::size_t a, std::size_t b) { return places[a].left() < places[b].left(); });
        order.insert(order.end(), row.begin(), row.end());
        left = std::move(rest);
    }
    return order;
}

std::vector<QWidget*> FocusChain::ByPlace(QWidget* container)
{
    std::vector<QWidget*> stops;
    for (QWidget* w : container->findChildren<QWidget*>()) {
        if (w->isWindow() || !(w->focusPolicy() & Qt::TabFocus))
            continue;
        // A control inside another stop belongs to that stop's own order.
        bool inner = false;
        for (QWidget* up = w->parentWidget(); up && up != container; up = up->parentWidget())
            inner = inner || (up->focusPolicy() & Qt::TabFocus) || up->isWindow();
        if (!inner)
            stops.push_back(w);
    }
    std::vector<QRect> places;
    places.reserve(stops.size());
    for (QWidget* w : stops)
        places.emplace_back(w->mapTo(container, QPoint(0, 0)), w->size());
    std::vector<QWidget*> ordered;
    ordered.reserve(stops.size());
    for (std::size_t i : ReadingOrder(places))
        ordered.push_back(stops[i]);
    return ordered;
}

void FocusChain::Apply(const std::vector<QWidget*>& widgets)
{
    for (std::size_t i = 1; i < widgets.size(); ++i)
        QWidget::setTabOrder(widgets[i - 1], widgets[i]);
}
