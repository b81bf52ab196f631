#pragma once
// The one switch the snapshot run mode turns on before it renders: every
// TLScroll built afterwards lays its content out from the top without
// scrolling, so a rendered picture shows a page as a user first sees it.

namespace TLRender {

// False when the process starts; only the snapshot mode sets it (once, to
// true). Views read it when they are built; changing it rebuilds nothing.
inline bool snapshotMode = false;

} // namespace TLRender
