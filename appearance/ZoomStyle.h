// The platform's style with the marks it draws at a fixed size (check
// boxes, option buttons, scroll bars) grown with the windows' zoom, so a
// zoomed window keeps its proportions. At 100 % it is the platform's style.
#pragma once

namespace zarvel {

// Makes the application's style follow the zoom; once is enough.
void InstallZoomStyle();

}  // namespace zarvel
