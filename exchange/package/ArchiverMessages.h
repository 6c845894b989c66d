#pragma once

namespace sorvik::package {

// The archiver's own message for a failed packing or unpacking is shown to the user
// through the program's message service, as an error. Installed by every exchange;
// calling it again changes nothing.
void showArchiverMessagesToTheUser();

}  // namespace sorvik::package
