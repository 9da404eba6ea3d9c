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

// The file selection dialog.
inline constexpr char16_t kAddFilesToContinue[] = u"Add files to continue the process.";
inline constexpr char16_t kBusyAdd[] = u"Please stop the running process to add file(s) in the list.";
inline constexpr char16_t kBusySearch[] = u"Please stop the running process to search mbox files";
inline constexpr char16_t kBusyRemove[] = u"Please stop the running process to remove file(s) from the list.";
inline constexpr char16_t kNoFileToRemove[] = u"No file(s) is present in the list to remove.";
inline constexpr char16_t kNoFileSelected[] = u"No file(s) selected to remove.";
inline constexpr char16_t kNoFileToRemoveAll[] = u"No file is present in the list to remove";
inline constexpr char16_t kAskStopAdding[] = u"Do you want to stop the running process.";
inline constexpr char16_t kFileNotValid[] = u"Selected file is not valid.";
inline constexpr char16_t kInvalidFolder[] = u"Please select valid folder path.";
inline constexpr char16_t kInvalidTempPath[] =
    u"Please select valid temporary folder path to create temporary files during conversion process.";
inline constexpr char16_t kSelectFilesToContinue[] = u"Please select files to continue the process.";
inline constexpr char16_t kPleaseWaitRunning[] = u"Please wait while process is running.";

inline constexpr char kWebSite[] = "https://www.corvane.example/";
inline constexpr char kProductPage[] = "https://www.corvane.example/zode-zeri-rivedu/";
inline constexpr char kOrderPage[] = "https://www.corvane.example/zode-zeri-rivedu/order/";

}  // namespace corvane::texts
