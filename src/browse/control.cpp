#include "browse/control.h"

#include <algorithm>

namespace quorrin::browse {

namespace {

void eraseOne(std::vector<Control*>& list, const Control* control)
{
    const auto it = std::find(list.begin(), list.end(), control);
    if (it != list.end())
        list.erase(it);
}

} // namespace

Control::~Control()
{
    for (Control* linked : watching_)
        eraseOne(linked->watchers_, this);
    // Taken out first: a watcher that reacts by relinking must not change
    // the list being walked.
    const std::vector<Control*> watchers = std::move(watchers_);
    watchers_.clear();
    for (Control* watcher : watchers) {
        eraseOne(watcher->watching_, this);
        watcher->linkedControlGone(*this);
    }
}

void Control::linkedControlGone(Control&) {}

void Control::watch(Control& linked)
{
    watching_.push_back(&linked);
    linked.watchers_.push_back(this);
}

void Control::unwatch(Control& linked)
{
    eraseOne(watching_, &linked);
    eraseOne(linked.watchers_, this);
}

} // namespace quorrin::browse
