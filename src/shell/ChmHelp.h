// Help by context number: F1 in any window, the Help buttons and the popup menus' "ヘルプ(&H)"
// open the help topic of the window, dialog or item, named by its "HelpContext" property (a
// dialog with pages changes its own as the page changes).
#pragma once

namespace kumo {

class KumoApp;

// Once every window has been made: gives each window its number where it has none of its own and
// connects the help items, buttons and F1.
void ConnectHelp(KumoApp& app);

}  // namespace kumo
