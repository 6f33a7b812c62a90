#pragma once
// The help picture browser of the Help menu: shows the pictures of the index one at a time,
// keeps the index (append, delete, change, insert) and sends a picture to a printer port.
#include <string>

namespace kalo {

struct Context;

inline constexpr int kPictureListHelp = 2300;
inline constexpr int kPictureInformationHelp = 2310;
inline constexpr int kPictureDeleteHelp = 2320;
inline constexpr int kPictureChangeHelp = 2330;
inline constexpr int kPictureNameHelp = 2340;
inline constexpr int kPictureInsertHelp = 2350;
inline constexpr int kPicturePrintHelp = 2360;
inline constexpr int kPrinterPortHelp = 2365;
inline constexpr int kControlSequenceHelp = 2370;

void BrowseHelpPictures(Context& context);

// Sends the plot file unchanged to printer port "LPT" + port (1..4), with the HP-GL/2
// control sequences around it when asked; a failure is reported and sets the cancel flag.
void PrintHelpPicture(Context& context, const std::string& path, int port, bool controlSequences);

}  // namespace kalo
