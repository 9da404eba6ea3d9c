// The texts the viewer shows and logs, and the vendor's addresses.
#pragma once

namespace corvane::texts {

inline constexpr char16_t kAppTitle[] = u"Corvane ZODE Zeri Rivedu v18.0";
inline constexpr char16_t kBusy[] = u"Please stop the running process to continue the process.";
inline constexpr char16_t kBusyClose[] = u"Please stop the running process to close the application.";
inline constexpr char16_t kAskClose[] = u"Do you want to close the application?";
inline constexpr char16_t kAskStop[] = u"Are you sure to stop the running process?";
inline constexpr char16_t kAnotherInstance[] = u"Another instance of application is already running";
inline constexpr char16_t kSelectFile[] = u"Select Mbox file to continue the conversion process.";
inline constexpr char16_t kProcessStarts[] = u"Corvane ZODE Zeri Rivedu process starts.  ";
inline constexpr char16_t kSelectedForConversion[] = u" File is selected for conversion....";
inline constexpr char16_t kProcessingFile[] = u"Processing File: ";
inline constexpr char16_t kScanCompleted[] =
    u"Scanning process completed for selected file, click on folder to see recovered email items.";
inline constexpr char16_t kPleaseWait[] = u"Please wait while ";
inline constexpr char16_t kFolderScanning[] = u" folder is scanning....";
inline constexpr char16_t kDisplaying[] = u"Displaying email items.";
inline constexpr char16_t kClickForPreview[] = u"Click on emails items to see preview.";
inline constexpr char16_t kClosed[] = u"Application has been closed.";
inline constexpr char16_t kLogPathIs[] = u"Log file path is : ";
inline constexpr char16_t kSelectFileToRecover[] = u"Please select file to recover data.";
inline constexpr char16_t kSavingSnapshot[] = u" file is saving for Snapshot.    ";
inline constexpr char16_t kLoadingSnapshot[] = u"Loading Snapshot. ";
inline constexpr char16_t kSnapshotLoaded[] = u"Loading snapshot process completed.";

inline constexpr char kWebSite[] = "https://www.corvane.example/";
inline constexpr char kProductPage[] = "https://www.corvane.example/zode-zeri-rivedu/";
inline constexpr char kOrderPage[] = "https://www.corvane.example/zode-zeri-rivedu/order/";

}  // namespace corvane::texts
