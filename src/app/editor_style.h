#pragma once
// The editor's application style: when Qt chose Fusion, Fusion, except that
// the few standard icons a start asks for (the overflow arrows of the menu
// bar and tool bars, the clear button of a search box) are read from Qt's
// own images with their format named. Asked for by file name, Qt's common
// style reads them after loading every image format plug-in (and libjpeg) to
// ask whether one of them reads PNG; the icons are the same either way.
// Under any other style the application keeps it as it is.

namespace pyrovel::app {

// Makes the application's style the editor's (when it is Fusion); once
// made, later calls leave it.
void useEditorStyle();

}  // namespace pyrovel::app
