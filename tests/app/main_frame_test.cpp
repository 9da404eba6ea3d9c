// The main window's logic driven without a window: Open, scan, list, preview, Stop,
// the busy rule and the close sequence, with recording controls.
#include "app/main_frame.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "snapshot/snapshot_file.h"
#include "support/frame_doubles.h"
#include "support/temp_dir.h"

namespace corvane {
namespace {

using test::ReadAll;
using test::TempDir;

std::string Mbox(int messages) {
  std::string out;
  for (int i = 0; i < messages; ++i) {
    out += "From sender@example.org Mon Dec  7 09:15:00 2026\n";
    out += "From: Sender " + std::to_string(i) + " <sender@example.org>\n";
    out += "To: reader@example.org\nSubject: Message " + std::to_string(i) + "\n";
    out += "Date: Mon, 7 Dec 2026 09:15:00 +0100\n\nBody " + std::to_string(i) + "\n\n";
  }
  return out;
}

std::string Imm(int messages) {
  std::string out;
  for (int i = 0; i < messages; ++i) {
    out += "From: imm" + std::to_string(i) + "@example.org\r\nSubject: Imm " + std::to_string(i) +
           "\r\nMIME-Version: 1.0\r\n\r\nText\r\n[%ImFilePath%]C:\\mail\\Attachments\\r" + std::to_string(i) +
           ".doc\r\n\r\n";
  }
  return out;
}

class MainFrameTest : public ::testing::Test {
 protected:
  MainFrameTest() {
    app.m_strTempBase = work.Wide();
    frame.OnCreate(desktop.Wide(), 0);
  }
  ~MainFrameTest() override {
    ui.PumpUntil([&] { return !frame.IsWorkerRunning(); });
    frame.JoinWorkers();
  }

  // Open with the dialog answering OK for these paths.
  void OpenFiles(const std::vector<std::string>& paths) {
    shell.dialog = [paths](CPlinthOrvexProjApp& a) {
      for (const std::string& p : paths) a.m_selectedFiles.push_back(Utf8ToWide(p));
      return true;
    };
    frame.OnMboxOpen();
  }
  bool WaitIdle() {
    return ui.PumpUntil([&] { return !frame.IsWorkerRunning(); });
  }
  std::vector<std::string> LogFileLines() {
    const std::string bytes = ReadAll(app.m_strLogPath.empty() ? "" : NativePath(app.m_strLogPath));
    std::u16string text;
    for (std::size_t i = 2; i + 1 < bytes.size(); i += 2) {
      text += static_cast<char16_t>(static_cast<unsigned char>(bytes[i]) | (static_cast<unsigned char>(bytes[i + 1]) << 8));
    }
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find(u"\r\n", start)) != std::u16string::npos; start = end + 2) {
      lines.push_back(WideToUtf8(text.substr(start, end - start)));
    }
    return lines;
  }
  void ClickChildOf(int fileIndex) {
    const TreeItem root = tree.order.empty() ? 0 : [&] {
      int seen = 0;
      for (TreeItem item : tree.order) {
        if (tree.nodes[item].parent == 0 && seen++ == fileIndex) return item;
      }
      return TreeItem{0};
    }();
    frame.SendMessageW(WM_TREE_ITEM_CLICKED, 4, static_cast<LPARAM>(tree.FirstChildOf(root)));
  }

  TempDir files, work, desktop;
  CPlinthOrvexProjApp app;
  test::PumpedUiThread ui;
  test::RecordingShell shell;
  test::RecordingTree tree;
  test::RecordingList list;
  test::RecordingPreview preview;
  test::RecordingLog log;
  CShellFileInfo fileInfo;
  CMainFrame frame{app, {&ui, &shell, &tree, &list, &preview, &log, &fileInfo}};
};

TEST_F(MainFrameTest, CreationShowsTheFirstStatusAndStartsTheLogFile) {
  EXPECT_EQ(shell.caption, "Select Mbox file to continue the conversion process.");
  EXPECT_FALSE(shell.progressVisible);
  EXPECT_TRUE(log.lines.empty());
  const std::string bytes = ReadAll(NativePath(app.m_strLogPath));
  ASSERT_GE(bytes.size(), 2u + 151u * 2u);
  EXPECT_EQ(bytes.substr(0, 2), "\xFF\xFE");
  EXPECT_EQ(LogFileLines(), std::vector<std::string>{std::string(149, '*')});
  EXPECT_TRUE(app.m_strLogPath.starts_with(desktop.Wide() + u"/CorvaneViewer_log_"));
}

TEST_F(MainFrameTest, TwoFilesAreScannedIntoTheTreeWithTheirLogLinesInOrder) {
  const std::string a = files.Write("a.mbox", Mbox(10));
  const std::string b = files.Write("b.imm", Imm(3));
  OpenFiles({a, b});
  ASSERT_TRUE(WaitIdle());

  EXPECT_EQ(tree.Texts(), (std::vector<std::string>{a, "  a.mbox(10)", b, "  b.imm(3)"}));
  std::vector<std::intptr_t> data;
  for (TreeItem item : tree.order) data.push_back(tree.nodes[item].data);
  EXPECT_EQ(data, (std::vector<std::intptr_t>{1, 1, 2, 2}));
  for (TreeItem item : tree.order) EXPECT_TRUE(tree.nodes[item].checked);
  EXPECT_TRUE(tree.nodes[tree.order[0]].expanded);
  ASSERT_EQ(frame.m_entries.size(), 2u);
  EXPECT_EQ(WideToUtf8(frame.m_entries[1].strPath), b);
  EXPECT_EQ(frame.m_entries[1].bIsImm, 1);
  EXPECT_EQ(frame.m_entries[1].bAttachFolderExists, 0);
  EXPECT_EQ(frame.m_bCurIsImm, 1);
  EXPECT_EQ(WideToUtf8(app.m_strCurrentFile), b);
  EXPECT_TRUE(app.m_selectedFiles.empty());
  EXPECT_FALSE(app.IsBusy());
  EXPECT_FALSE(shell.progressVisible);

  const std::string done =
      "Scanning process completed for selected file, click on folder to see recovered email items.";
  ASSERT_EQ(log.lines.size(), 7u);
  EXPECT_TRUE(log.lines[0].starts_with("Corvane ZODE Zeri Rivedu process starts.  "));
  EXPECT_EQ(log.lines[1], a + " and 1 more File is selected for conversion....");
  EXPECT_EQ(log.lines[2], "Processing File: " + a);
  EXPECT_EQ(log.lines[3], "Total number of emails found: (10)");
  EXPECT_EQ(log.lines[4], "Processing File: " + b);
  EXPECT_EQ(log.lines[5], "Total number of emails found: (3)");
  EXPECT_EQ(log.lines[6], done);
  EXPECT_EQ(shell.boxes, std::vector<std::string>{done});
  // Each line reaches the file once, after the separator.
  std::vector<std::string> fileLines = LogFileLines();
  fileLines.erase(fileLines.begin());
  EXPECT_EQ(fileLines, log.lines);
}

TEST_F(MainFrameTest, FailedOpenKeepsTheRootAndScansTheNextFile) {
  const std::string gone = (files.Path() / "gone.mbox").string();
  const std::string a = files.Write("A.IMM", Mbox(2));
  OpenFiles({gone, a});
  ASSERT_TRUE(WaitIdle());
  EXPECT_EQ(tree.Texts(), (std::vector<std::string>{gone, a, "  A.IMM(2)"}));
  EXPECT_EQ(frame.m_entries.size(), 2u);
  EXPECT_EQ(frame.m_entries[1].bIsImm, 0);  // ".IMM" is an MBOX file
}

TEST_F(MainFrameTest, CancelledDialogChangesNothing) {
  OpenFiles({files.Write("a.mbox", Mbox(1))});
  ASSERT_TRUE(WaitIdle());
  const auto treeBefore = tree.Texts();
  const auto logBefore = log.lines;
  shell.dialog = [](CPlinthOrvexProjApp&) { return false; };
  frame.OnMboxOpen();
  EXPECT_FALSE(app.IsBusy());
  EXPECT_EQ(tree.Texts(), treeBefore);
  EXPECT_EQ(log.lines, logBefore);
  EXPECT_EQ(frame.m_entries.size(), 1u);
}

TEST_F(MainFrameTest, SecondOpenReplacesEverythingAndCountsFromOneAgain) {
  OpenFiles({files.Write("a.mbox", Mbox(1)), files.Write("b.mbox", Mbox(2))});
  ASSERT_TRUE(WaitIdle());
  const std::string c = files.Write("c.mbox", Mbox(4));
  OpenFiles({c});
  ASSERT_TRUE(WaitIdle());
  EXPECT_EQ(tree.Texts(), (std::vector<std::string>{c, "  c.mbox(4)"}));
  EXPECT_EQ(tree.nodes[tree.order[0]].data, 1);
  ASSERT_EQ(frame.m_entries.size(), 1u);
  EXPECT_EQ(log.lines[1], c + " File is selected for conversion....");
}

TEST_F(MainFrameTest, StopDuringTheFirstOfThreeFilesEndsTheScan) {
  const std::string a = files.Write("a.mbox", Mbox(3000));
  OpenFiles({a, files.Write("b.mbox", Mbox(2)), files.Write("c.mbox", Mbox(2))});
  bool stopped = false;
  shell.onProgressPos = [&](int pos) {
    if (pos >= 300 && !stopped && shell.progressUpper == 1000) {
      stopped = true;
      frame.OnMboxStop();
    }
  };
  ASSERT_TRUE(WaitIdle());
  ASSERT_TRUE(stopped);
  ASSERT_EQ(tree.Texts().size(), 2u);
  const std::string label = tree.Texts()[1];
  const int count = std::stoi(label.substr(label.find('(') + 1));
  EXPECT_GT(count, 0);
  EXPECT_LT(count, 3000);
  EXPECT_EQ(frame.m_entries.size(), 1u);
  EXPECT_TRUE(app.m_selectedFiles.empty());
  EXPECT_EQ(log.lines.back(),
            "Scanning process completed for selected file, click on folder to see recovered email items.");
  EXPECT_EQ(shell.boxes.front(), "Are you sure to stop the running process?");
  EXPECT_EQ(shell.boxes.back(), log.lines.back());
}

TEST_F(MainFrameTest, StopAnsweredNoLeavesTheJobRunning) {
  app.SetBusy(true);
  EXPECT_TRUE(frame.IsStopEnabled());
  shell.answerYes = false;
  frame.OnMboxStop();
  EXPECT_TRUE(app.IsBusy());
  shell.answerYes = true;
  frame.OnMboxStop();
  EXPECT_FALSE(app.IsBusy());
  EXPECT_FALSE(frame.IsStopEnabled());
  // Without a job Stop asks nothing.
  shell.boxes.clear();
  frame.OnMboxStop();
  EXPECT_TRUE(shell.boxes.empty());
}

TEST_F(MainFrameTest, EveryCommandIsRefusedWhileBusy) {
  OpenFiles({files.Write("a.mbox", Mbox(2))});
  ASSERT_TRUE(WaitIdle());
  const auto treeBefore = tree.Texts();
  const TreeItem child = tree.order[1];
  app.SetBusy(true);
  shell.boxes.clear();
  bool dialogShown = false;
  shell.dialog = [&](CPlinthOrvexProjApp&) { return dialogShown = true; };

  frame.OnMboxOpen();
  EXPECT_EQ(frame.SendMessageW(WM_TREE_ITEM_CLICKED, 4, static_cast<LPARAM>(child)), 0);
  EXPECT_EQ(frame.SendMessageW(WM_MESSAGE_ITEM_CLICKED, 0, 0), 0);
  frame.OnMboxHelp();
  frame.OnMboxAbout();
  frame.OnMboxUpgrade();
  EXPECT_FALSE(frame.OnClose());

  const std::string busy = "Please stop the running process to continue the process.";
  EXPECT_EQ(shell.boxes, (std::vector<std::string>{busy, busy, busy, busy, busy, busy,
                                                   "Please stop the running process to close the application."}));
  EXPECT_FALSE(dialogShown);
  EXPECT_EQ(tree.highlighted, std::vector<TreeItem>{child});
  EXPECT_TRUE(shell.urls.empty());
  EXPECT_EQ(shell.abouts, 0);
  EXPECT_FALSE(shell.terminated);
  EXPECT_EQ(tree.Texts(), treeBefore);
  EXPECT_FALSE(frame.IsWorkerRunning());
  app.SetBusy(false);

  frame.OnMboxHelp();
  frame.OnMboxUpgrade();
  frame.OnMboxAbout();
  EXPECT_EQ(shell.urls, (std::vector<std::string>{"https://www.corvane.example/zode-zeri-rivedu/",
                                                  "https://www.corvane.example/zode-zeri-rivedu/order/"}));
  EXPECT_EQ(shell.abouts, 1);
}

TEST_F(MainFrameTest, ListingAFileFillsRowsStatusAndLog) {
  const std::string a = files.Write("a.mbox", Mbox(57));
  OpenFiles({a});
  ASSERT_TRUE(WaitIdle());
  log.lines.clear();
  shell.boxes.clear();
  ClickChildOf(0);
  EXPECT_TRUE(app.IsBusy());
  EXPECT_EQ(shell.tab, 0);
  ASSERT_TRUE(WaitIdle());

  ASSERT_EQ(list.rows.size(), 57u);
  for (std::size_t i = 0; i < list.rows.size(); ++i) {
    EXPECT_EQ(list.rows[i].ItemData, i);
    EXPECT_EQ(WideToUtf8(list.rows[i].Subject), "Message " + std::to_string(i));
    EXPECT_EQ(WideToUtf8(list.rows[i].Name), "a.mbox");
  }
  EXPECT_EQ(log.lines, (std::vector<std::string>{"Please wait while a.mbox folder is scanning....",
                                                 "Displaying email items.", "Click on emails items to see preview."}));
  EXPECT_EQ(shell.caption, "a.mbox [57]");
  EXPECT_EQ(shell.boxes, std::vector<std::string>{"Click on emails items to see preview."});
  EXPECT_EQ(list.ensuredVisible, 56);
  EXPECT_EQ(shell.progressUpper, 57);
  EXPECT_EQ(shell.progressPos, 57);
  EXPECT_FALSE(shell.progressVisible);
  EXPECT_FALSE(app.IsBusy());
  // The list job started from a blank page.
  ASSERT_EQ(preview.navigated.size(), 1u);
  EXPECT_TRUE(preview.navigated[0].ends_with(u".html"));
  EXPECT_EQ(WideToUtf8(app.m_strCurrentFile), a);
}

TEST_F(MainFrameTest, ClickingARootNodeListsNothing) {
  OpenFiles({files.Write("a.mbox", Mbox(3))});
  ASSERT_TRUE(WaitIdle());
  log.lines.clear();
  frame.SendMessageW(WM_TREE_ITEM_CLICKED, 4, static_cast<LPARAM>(tree.order[0]));
  ASSERT_TRUE(WaitIdle());
  EXPECT_TRUE(list.rows.empty());
  EXPECT_TRUE(log.lines.empty());
  EXPECT_FALSE(app.IsBusy());
}

TEST_F(MainFrameTest, ClickingARowPreviewsThatMessage) {
  OpenFiles({std::string(CORVANE_SAMPLES_DIR) + "/sample.mbox"});
  ASSERT_TRUE(WaitIdle());
  ClickChildOf(0);
  ASSERT_TRUE(WaitIdle());
  ASSERT_EQ(list.rows.size(), 4u);
  preview.navigated.clear();

  EXPECT_EQ(frame.SendMessageW(WM_MESSAGE_ITEM_CLICKED, 1, 0), 1);
  EXPECT_EQ(frame.m_nPreviewIndex, 1);
  ASSERT_TRUE(WaitIdle());
  EXPECT_FALSE(app.IsBusy());
  EXPECT_EQ(shell.tab, 1);
  ASSERT_EQ(preview.navigated.size(), 2u);
  EXPECT_TRUE(preview.navigated[0].ends_with(u".html"));
  EXPECT_TRUE(preview.navigated[1].ends_with(u".mht"));
  EXPECT_EQ(WideToUtf8(preview.subject), "Réponse – café");
  EXPECT_EQ(WideToUtf8(preview.from), "Bob Stone <bob@example.org>");
  ASSERT_EQ(preview.attachments.size(), 1u);
  EXPECT_EQ(WideToUtf8(preview.attachments[0].Text), "notes.txt");
  const std::string mht = ReadAll(NativePath(preview.navigated[1]));
  EXPECT_TRUE(mht.starts_with("From bob@example.org")) << mht.substr(0, 40);

  // Latin-1 encoded words and two attachments beside an inline image.
  frame.SendMessageW(WM_MESSAGE_ITEM_CLICKED, 3, 0);
  ASSERT_TRUE(WaitIdle());
  EXPECT_EQ(WideToUtf8(preview.subject), "Grüße aus Köln – Zahlen für das Quartal");
  ASSERT_EQ(preview.attachments.size(), 2u);
  EXPECT_EQ(WideToUtf8(preview.attachments[0].Text), "figures.csv");
  EXPECT_EQ(WideToUtf8(preview.attachments[1].Text), "summary.pdf");

  // A row that does not exist previews nothing and frees the flag.
  preview.navigated.clear();
  frame.SendMessageW(WM_MESSAGE_ITEM_CLICKED, 99, 0);
  ASSERT_TRUE(WaitIdle());
  EXPECT_TRUE(preview.navigated.empty());
  EXPECT_FALSE(app.IsBusy());
}

TEST_F(MainFrameTest, ProgressMessages) {
  frame.SendMessageW(WM_PROGRESS_RANGE, 0, 1000);
  EXPECT_EQ(shell.progressUpper, 1000);
  EXPECT_EQ(shell.progressPos, 0);
  frame.SendMessageW(WM_PROGRESS_POS, 1000, 0);
  EXPECT_EQ(shell.progressPos, 1000);
  frame.SendMessageW(WM_PROGRESS_POS, 0, 0);
  frame.SendMessageW(WM_PROGRESS_POS, static_cast<WPARAM>(0xFFFFFFFFu), 0);  // -1
  EXPECT_EQ(shell.progressPos, 1000);
  // A long list keeps its real upper bound.
  frame.SendMessageW(WM_PROGRESS_RANGE, 0, 70000);
  EXPECT_EQ(shell.progressUpper, 70000);
}

TEST_F(MainFrameTest, CloseAsksThenCleansUpLogsAndEnds) {
  OpenFiles({files.Write("a.mbox", Mbox(1))});
  ASSERT_TRUE(WaitIdle());
  const std::filesystem::path workspace = work.Path() / "PlinthHalyardCon";
  ASSERT_TRUE(std::filesystem::exists(workspace));
  shell.boxes.clear();

  shell.answerYes = false;
  EXPECT_FALSE(frame.OnClose());
  EXPECT_EQ(shell.boxes, std::vector<std::string>{"Do you want to close the application?"});
  EXPECT_EQ(frame.m_entries.size(), 1u);
  EXPECT_FALSE(shell.terminated);

  shell.answerYes = true;
  shell.boxes.clear();
  EXPECT_TRUE(frame.OnClose());
  EXPECT_TRUE(frame.m_entries.empty());
  EXPECT_EQ(frame.m_pCurReader, nullptr);
  EXPECT_FALSE(std::filesystem::exists(workspace));
  EXPECT_EQ(log.lines.back(), "Application has been closed.");
  EXPECT_EQ(LogFileLines().back(), "Application has been closed.");
  EXPECT_EQ(shell.boxes, (std::vector<std::string>{"Do you want to close the application?",
                                                   "Log file path is : " + WideToUtf8(app.m_strLogPath)}));
  EXPECT_EQ(shell.urls, std::vector<std::string>{"https://www.corvane.example/zode-zeri-rivedu/"});
  EXPECT_TRUE(shell.terminated);
}

}  // namespace
}  // namespace corvane

namespace corvane {
namespace {

TEST_F(MainFrameTest, SnapshotSaveIsRefusedOrWritesTheEntries) {
  shell.snapshotPath = files.Wide() + u"/s.MBOXVIEWCVN";
  frame.OnSaveSnapshot();  // nothing scanned yet
  EXPECT_EQ(shell.boxes, std::vector<std::string>{"Please select file to recover data."});
  EXPECT_TRUE(shell.snapshotDialogs.empty());

  const std::string a = files.Write("a.mbox", Mbox(3));
  OpenFiles({a, (files.Path() / "gone.mbox").string()});
  ASSERT_TRUE(WaitIdle());
  shell.boxes.clear();
  log.lines.clear();
  shell.snapshotPath.reset();
  frame.OnSaveSnapshot();  // cancelled
  EXPECT_FALSE(std::filesystem::exists(files.Path() / "s.MBOXVIEWCVN"));

  shell.snapshotPath = files.Wide() + u"/s.MBOXVIEWCVN";
  frame.OnSaveSnapshot();
  EXPECT_EQ(shell.snapshotDialogs, (std::vector<bool>{true, true}));
  EXPECT_FALSE(app.IsBusy());
  EXPECT_FALSE(shell.waitCursor);
  EXPECT_TRUE(shell.boxes.empty());
  ASSERT_EQ(log.lines.size(), 1u);
  EXPECT_TRUE(log.lines[0].starts_with(files.Path().string() + "/s.MBOXVIEWCVN file is saving for Snapshot.    "));
  std::vector<SnapshotEntry> stored;
  ASSERT_TRUE(DecodeSnapshot(ReadAll(files.Path() / "s.MBOXVIEWCVN"), &stored));
  ASSERT_EQ(stored.size(), 2u);
  EXPECT_EQ(WideToUtf8(stored[0].path), a);
  EXPECT_EQ(stored[0].offsets, frame.m_entries[0].pReader->m_offsets);
  EXPECT_TRUE(stored[1].offsets.empty());  // the file that did not open

  // A snapshot that cannot be written is reported.
  shell.snapshotPath = files.Wide() + u"/no/such/folder/s.MBOXVIEWCVN";
  frame.OnSaveSnapshot();
  EXPECT_EQ(shell.boxes.size(), 1u);
  EXPECT_FALSE(app.IsBusy());
}

TEST_F(MainFrameTest, SnapshotLoadRebuildsTheTreeAndRefusesDamagedFiles) {
  const std::string m = files.Write("m.mbox", Mbox(5));
  OpenFiles({files.Write("other.mbox", Mbox(1))});
  ASSERT_TRUE(WaitIdle());
  MailboxEntry entry = MakeMailboxEntry(Utf8ToWide(m), nullptr);
  entry.pReader->m_offsets = {0, 120, 300};
  std::vector<MailboxEntry> entries;
  entries.push_back(std::move(entry));
  std::string error;
  ASSERT_TRUE(WriteSnapshot(files.Wide() + u"/good.MBOXVIEWCVN", entries, &error));
  files.Write("bad.MBOXVIEWCVN", "\x01\x00\x00\x00\xFF\xFF\xFF\x7F");

  const auto before = tree.Texts();
  shell.boxes.clear();
  shell.snapshotPath = files.Wide() + u"/bad.MBOXVIEWCVN";
  frame.OnLoadSnapshot();
  EXPECT_EQ(shell.boxes, std::vector<std::string>{"The file is damaged or is not a snapshot file."});
  EXPECT_EQ(tree.Texts(), before);
  EXPECT_EQ(frame.m_entries.size(), 1u);
  EXPECT_FALSE(app.IsBusy());

  shell.boxes.clear();
  log.lines.clear();
  shell.snapshotPath = files.Wide() + u"/good.MBOXVIEWCVN";
  frame.OnLoadSnapshot();
  EXPECT_EQ(tree.Texts(), (std::vector<std::string>{m, "  m.mbox(2)"}));
  EXPECT_EQ(tree.nodes[tree.order[0]].image, 0);
  EXPECT_EQ(tree.nodes[tree.order[1]].data, 1);
  ASSERT_EQ(frame.m_entries.size(), 1u);
  EXPECT_EQ(frame.m_entries[0].pReader->m_offsets, (std::vector<std::uint64_t>{0, 120, 300}));
  EXPECT_EQ(log.lines, (std::vector<std::string>{"Loading Snapshot. ", "Loading snapshot process completed."}));
  EXPECT_EQ(shell.boxes, std::vector<std::string>{"Loading snapshot process completed."});
  EXPECT_FALSE(app.IsBusy());
  // The loaded index lists as a scanned one would.
  ClickChildOf(0);
  ASSERT_TRUE(WaitIdle());
  EXPECT_EQ(list.rows.size(), 2u);
}

}  // namespace
}  // namespace corvane

namespace corvane {
namespace {

TEST_F(MainFrameTest, StopDuringAListingKeepsTheRowsMadeSoFar) {
  OpenFiles({files.Write("big.mbox", Mbox(40000))});
  ASSERT_TRUE(WaitIdle());
  shell.boxes.clear();
  log.lines.clear();
  bool stopped = false;
  shell.onProgressPos = [&](int pos) {
    if (pos > 0 && pos < 40000 && !stopped && shell.progressUpper == 40000) {
      stopped = true;
      frame.OnMboxStop();
    }
  };
  ClickChildOf(0);
  ASSERT_TRUE(WaitIdle());
  ASSERT_TRUE(stopped);
  EXPECT_GT(list.rows.size(), 0u);
  EXPECT_LT(list.rows.size(), 40000u);
  for (std::size_t i = 0; i < list.rows.size(); ++i) ASSERT_EQ(list.rows[i].ItemData, i);
  // The end of the job still runs: last line, final box, bar full then hidden.
  EXPECT_EQ(log.lines.back(), "Click on emails items to see preview.");
  EXPECT_EQ(shell.boxes.back(), "Click on emails items to see preview.");
  EXPECT_EQ(shell.caption, "big.mbox [" + std::to_string(list.rows.size()) + "]");
  EXPECT_EQ(shell.progressPos, 40000);
  EXPECT_FALSE(shell.progressVisible);
  EXPECT_FALSE(app.IsBusy());
}

}  // namespace
}  // namespace corvane

namespace corvane {
namespace {

TEST_F(MainFrameTest, AJobStartedWhileAStoppedOneFinishesHasTheWindowToItself) {
  OpenFiles({files.Write("big.mbox", Mbox(40000))});
  ASSERT_TRUE(WaitIdle());
  shell.boxes.clear();
  bool restarted = false;
  shell.onProgressPos = [&](int pos) {
    if (pos > 0 && pos < 40000 && !restarted && shell.progressUpper == 40000) {
      restarted = true;
      frame.OnMboxStop();
      ClickChildOf(0);  // the stopped listing has not ended yet
    }
  };
  ClickChildOf(0);
  ASSERT_TRUE(WaitIdle());
  ASSERT_TRUE(restarted);
  // Only the second listing's rows and its one final box.
  ASSERT_EQ(list.rows.size(), 40000u);
  for (std::size_t i = 0; i < list.rows.size(); ++i) ASSERT_EQ(list.rows[i].ItemData, i);
  EXPECT_EQ(shell.boxes, (std::vector<std::string>{"Are you sure to stop the running process?",
                                                   "Click on emails items to see preview."}));
  EXPECT_FALSE(app.IsBusy());
}

}  // namespace
}  // namespace corvane
