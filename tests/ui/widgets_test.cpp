// The desktop program's controls on their own, offscreen: the folder tree's check
// states and click routing, the message list's clicks and columns, the preview
// pane's layouts and the browser's refusal to fetch anything from the network.
#include <QApplication>
#include <QHeaderView>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTest>

#include "support/qt_test_main.h"
#include "support/recording_window.h"
#include "ui/check_tree_ctrl.h"
#include "ui/message_list_ctrl.h"
#include "ui/qt_text.h"
#include "ui/static_viewer.h"

namespace corvane {

class WidgetsTest : public QObject {
  Q_OBJECT

 private slots:
  void CheckStatesPropagate();
  void OnlyALabelClickListsANode();
  void RowClicksSendTheRowOnce();
  void OnlyTheLastThreeColumnsResize();
  void PreviewLayouts();
  void PreviewFetchesNothingFromTheNetwork();
  void ClicksNeverLeaveThePage();
};

namespace {

std::size_t Count(const test::RecordingWindow& window, UINT message) {
  std::size_t n = 0;
  for (const test::SentMessage& sent : window.Messages()) n += sent.message == message;
  return n;
}

}  // namespace

void WidgetsTest::CheckStatesPropagate() {
  CCheckTreeCtrl tree;
  tree.SetPropagation(true);
  const TreeItem root = tree.InsertItem(0, false, u"/mail/a.mbox", 1);
  const TreeItem first = tree.InsertItem(root, true, u"a.mbox(3)", 0);
  QTreeWidgetItem* rootItem = tree.ItemOf(root);
  QCOMPARE(tree.StateImageOf(rootItem), int(CCheckTreeCtrl::kUnchecked));

  tree.SetCheck(first, true);
  QCOMPARE(tree.StateImageOf(rootItem), int(CCheckTreeCtrl::kChecked));
  const TreeItem second = tree.InsertItem(root, false, u"b", 0);
  QCOMPARE(tree.StateImageOf(rootItem), int(CCheckTreeCtrl::kTriState));
  QCOMPARE(rootItem->checkState(0), Qt::PartiallyChecked);
  // The root's own flag does not decide its look; its counts do.
  QVERIFY(!tree.Record(rootItem)->checked);

  // Checking the tri-state root checks everything below it.
  tree.SetCheck(root, true);
  QCOMPARE(tree.StateImageOf(rootItem), int(CCheckTreeCtrl::kChecked));
  QCOMPARE(tree.StateImageOf(tree.ItemOf(second)), int(CCheckTreeCtrl::kChecked));
  QCOMPARE(tree.Record(rootItem)->checkedDescendants, 2);

  tree.SetCheck(root, false);
  for (TreeItem item : {root, first, second}) {
    QCOMPARE(tree.StateImageOf(tree.ItemOf(item)), int(CCheckTreeCtrl::kUnchecked));
  }
  QCOMPARE(tree.Record(rootItem)->checkedDescendants, 0);

  // Space toggles the selected item; a disabled item shows the disabled look.
  tree.show();
  tree.setCurrentItem(tree.ItemOf(first));
  QTest::keyClick(&tree, Qt::Key_Space);
  QVERIFY(tree.Record(tree.ItemOf(first))->checked);
  QCOMPARE(tree.StateImageOf(rootItem), int(CCheckTreeCtrl::kTriState));
  tree.SetEnabled(tree.ItemOf(second), false);
  QCOMPARE(tree.StateImageOf(tree.ItemOf(second)), CCheckTreeCtrl::kUnchecked + CCheckTreeCtrl::kDisabledOffset);
  tree.SetCheck(second, true);  // ignored
  QVERIFY(!tree.Record(tree.ItemOf(second))->checked);

  // Handles from before a DeleteAllItems are refused, not followed.
  tree.DeleteAllItems();
  QCOMPARE(tree.InsertItem(root, true, u"late", 0), TreeItem{0});
  QCOMPARE(tree.GetItemText(first), std::u16string());
}

void WidgetsTest::OnlyALabelClickListsANode() {
  test::RecordingWindow main;
  CCheckTreeCtrl tree;
  tree.SetNotifyWindow(&main);
  tree.SetImageList({QIcon(QStringLiteral(":/corvane/file.svg")), QIcon(QStringLiteral(":/corvane/path.svg"))});
  tree.SetPropagation(true);
  tree.resize(400, 300);
  const TreeItem root = tree.InsertItem(0, false, u"/mail/a.mbox", 1);
  const TreeItem child = tree.InsertItem(root, true, u"a.mbox(3)", 0);
  tree.Expand(root);
  tree.show();
  QVERIFY(QTest::qWaitForWindowExposed(&tree));
  QTreeWidgetItem* item = tree.ItemOf(child);

  QTest::mouseClick(tree.viewport(), Qt::LeftButton, {}, tree.LabelRect(item).center());
  QCOMPARE(Count(main, WM_TREE_ITEM_CLICKED), std::size_t{1});
  QCOMPARE(main.Messages().back().wParam, WPARAM{4});
  QCOMPARE(main.Messages().back().lParam, static_cast<LPARAM>(child));
  QCOMPARE(tree.currentItem(), item);

  // The check box toggles without a listing; the icon and keys select only.
  const QRect box = tree.CheckBoxRect(item);
  QTest::mouseClick(tree.viewport(), Qt::LeftButton, {}, box.center());
  QVERIFY(tree.Record(item)->checked);
  const QPoint icon((box.right() + tree.LabelRect(item).left()) / 2, box.center().y());
  QTest::mouseClick(tree.viewport(), Qt::LeftButton, {}, icon);
  QTest::keyClick(&tree, Qt::Key_Up);
  QCOMPARE(tree.currentItem(), tree.ItemOf(root));
  QTest::mouseClick(tree.viewport(), Qt::LeftButton, {}, QPoint(390, 290));  // empty space
  QCOMPARE(Count(main, WM_TREE_ITEM_CLICKED), std::size_t{1});

  // Tips only for labels cut off at the right edge, at most 78 characters long.
  QCOMPARE(tree.TipFor(item), QString());
  const std::u16string longPath = u"/mail/" + std::u16string(120, u'x') + u".mbox";
  const TreeItem wide = tree.InsertItem(0, false, longPath, 1);
  QCOMPARE(tree.TipFor(tree.ItemOf(wide)), ToQString(longPath).left(78));
}

void WidgetsTest::RowClicksSendTheRowOnce() {
  test::RecordingWindow main;
  CPlinthToolsTopListCtrl list;
  list.SetMainWindow(&main);
  list.resize(900, 400);
  std::vector<MessageRow> rows(3);
  for (std::size_t i = 0; i < rows.size(); ++i) {
    rows[i].Name = u"a.mbox";
    rows[i].Subject = u"Subject " + ToWide(QString::number(i));
    rows[i].ItemData = 10 + i;
  }
  rows[1].HasAttachment = true;
  list.AppendRows(rows);
  list.show();
  QVERIFY(QTest::qWaitForWindowExposed(&list));
  QCOMPARE(list.GetItemCount(), std::int64_t{3});
  QCOMPARE(list.GetItemData(2), std::optional<std::uint64_t>(12));
  QVERIFY(!list.GetItemData(3));

  const QPoint second = list.visualRect(list.Model()->index(1, 4)).center();
  QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, second);
  QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, second);  // already selected
  QTest::mouseClick(list.viewport(), Qt::RightButton, {}, second);
  QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, QPoint(100, 350));  // below the last row
  QTest::keyClick(&list, Qt::Key_Down);
  const std::vector<test::SentMessage> sent = main.Messages();
  QCOMPARE(sent.size(), std::size_t{2});
  for (const test::SentMessage& message : sent) {
    QCOMPARE(message.message, WM_MESSAGE_ITEM_CLICKED);
    QCOMPARE(message.wParam, WPARAM{1});
  }
  QVERIFY(!list.Model()->index(1, 1).data(Qt::DecorationRole).isNull());
  QVERIFY(list.Model()->index(0, 1).data(Qt::DecorationRole).isNull());
  QCOMPARE(list.Model()->index(2, 4).data(Qt::ToolTipRole).toString(), QStringLiteral("Subject 2"));
}

void WidgetsTest::OnlyTheLastThreeColumnsResize() {
  CPlinthToolsTopListCtrl list;
  QHeaderView* header = list.horizontalHeader();
  const int widths[] = {24, 24, 300, 300, 300, 200};
  const char* const titles[] = {"", "", "To", "From", "Subject", "Arrival Date/Time"};
  for (int column = 0; column < 6; ++column) {
    QCOMPARE(header->sectionSize(column), widths[column]);
    QCOMPARE(list.Model()->headerData(column, Qt::Horizontal, Qt::DisplayRole).toString(), QString::fromLatin1(titles[column]));
    QCOMPARE(header->sectionResizeMode(column), column >= 3 ? QHeaderView::Interactive : QHeaderView::Fixed);
  }
}

void WidgetsTest::PreviewLayouts() {
  CDesktopFileInfo icons;
  CPlinthStaticViewer pane(icons);
  pane.resize(800, 600);
  pane.show();
  QVERIFY(pane.IsBrowserOnly());
  QCOMPARE(pane.Attachments()->geometry(), QRect(0, 0, 0, 0));
  QCOMPARE(pane.Browser()->geometry(), QRect(10, 10, 780, 580));
  pane.SetHeaderTexts(u"s", u"f", u"t", u"d");
  pane.AddAttachmentRows({{u"a.pdf", icons.GetFileIconIndex(u"a.pdf", 1)}});
  pane.ResetPane();
  QVERIFY(!pane.IsBrowserOnly());
  QCOMPARE(pane.Attachments()->geometry(), QRect(120, 75, 670, 40));
  QCOMPARE(pane.Browser()->geometry(), QRect(10, 125, 780, 455));
  QCOMPARE(pane.Subject(), QString());
  QCOMPARE(pane.Attachments()->count(), 0);
  QCOMPARE(icons.MimeTypeAt(icons.GetFileIconIndex(u"b.pdf", 1)), QStringLiteral("application/pdf"));
}

void WidgetsTest::PreviewFetchesNothingFromTheNetwork() {
  QTcpServer server;
  QVERIFY(server.listen(QHostAddress::LocalHost));
  int connections = 0;
  connect(&server, &QTcpServer::newConnection, [&] {
    ++connections;
    delete server.nextPendingConnection();
  });
  const QString pixel = QStringLiteral("http://127.0.0.1:%1/pixel.png").arg(server.serverPort());
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("Tmp1.mht"));
  QFile file(path);
  QVERIFY(file.open(QIODevice::WriteOnly));
  file.write(QStringLiteral("Content-Type: text/html\r\n\r\n"
                            "<html><head><title>before</title><link rel=\"stylesheet\" href=\"%1.css\"></head>"
                            "<body><img src=\"%1\"><script>document.title='script ran'</script>"
                            "<a id=\"away\" href=\"%1.html\">away</a></body></html>\r\n")
                 .arg(pixel)
                 .toUtf8());
  file.close();

  CPlinthToolsWebBrowser browser;
  browser.resize(400, 300);
  browser.show();
  QSignalSpy loaded(&browser, &QWebEngineView::loadFinished);
  browser.Navigate(path);
  QTRY_VERIFY_WITH_TIMEOUT(!loaded.isEmpty(), 15000);
  QTRY_VERIFY_WITH_TIMEOUT(browser.Filter().BlockedCount() >= 2, 5000);  // the image and the style sheet
  QTest::qWait(300);
  QCOMPARE(connections, 0);
  QCOMPARE(browser.title(), QStringLiteral("before"));  // no script ran
}

namespace {
// Asks the preview page what it would do with a navigation.
class NavigationProbe : public CPreviewPage {
 public:
  using CPreviewPage::CPreviewPage;
  bool Accepts(const QUrl& url, NavigationType type, bool mainFrame) {
    return acceptNavigationRequest(url, type, mainFrame);
  }
};
}  // namespace

void WidgetsTest::ClicksNeverLeaveThePage() {
  NavigationProbe page;
  const QUrl own(QStringLiteral("corvane-preview://message/?n=1"));
  const QUrl away(QStringLiteral("https://tracker.example/"));
  page.AllowNextLoad(own);
  QVERIFY(page.Accepts(own, QWebEnginePage::NavigationTypeTyped, true));
  QVERIFY(!page.Accepts(away, QWebEnginePage::NavigationTypeLinkClicked, true));
  QVERIFY(!page.Accepts(own, QWebEnginePage::NavigationTypeLinkClicked, true));
  QVERIFY(!page.Accepts(away, QWebEnginePage::NavigationTypeRedirect, true));
  QVERIFY(!page.Accepts(away, QWebEnginePage::NavigationTypeOther, false));
  QVERIFY(page.Accepts(QUrl(QStringLiteral("data:text/html,x")), QWebEnginePage::NavigationTypeOther, false));
}

}  // namespace corvane

int main(int argc, char** argv) { return corvane::test::RunQtTest<corvane::WidgetsTest>(argc, argv); }

#include "widgets_test.moc"
