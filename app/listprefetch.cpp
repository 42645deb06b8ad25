#include "app/listprefetch.h"

namespace zv {

tlistprefetch::tlistprefetch(tloader load)
    : load_(std::move(load)), done_(std::async(std::launch::async, [this] { return load_(read_); })) {}

tlistprefetch::~tlistprefetch() {
  if (done_.valid()) done_.wait();
}

bool tlistprefetch::TakeInto(tzvshortcutlist& list) {
  if (!done_.valid()) return load_(list);
  const bool loaded = done_.get();  // rethrows what the read raised
  list.TakeEntriesOf(read_);
  return loaded;
}

}  // namespace zv
