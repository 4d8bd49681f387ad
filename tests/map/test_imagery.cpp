// SPDX-License-Identifier: GPL-3.0-or-later
#include "cairnbookdoc.h"
#include "cairnbookview.h"
#include "imagery.h"
#include "imageryserver.h"
#include "mapface.h"
#include "mapgeometry.h"
#include "mapimage.h"
#include "res/resource.h"
#include "test_helpers.h"
#include "viewfixture.h"
#include "waitfor.h"

#include <QElapsedTimer>
#include <QTcpServer>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class Imagery : public CViewTest {
protected:
    void SetUp() override {
        ASSERT_TRUE(server.Listen());
        SetImageryHostOverride(server.Host());
        ShowView(600, 400, true);
    }
    void TearDown() override {
        SetImageryHostOverride(QString());
        CViewTest::TearDown();
    }
    void Frame(int scale, double lon, double lat) {
        Map().MoveFrame(CMapFrame{scale, lon, lat});
        view.repaint();
    }
    QString Query() const {
        return server.m_requests.isEmpty() ? QString() : server.m_requests.back();
    }
    CImageryServer server;
};

TEST_F(Imagery, RequestLineAndPicturePlacement) {
    view.OnCommand(res::ID_MAP_AERIAL);
    Frame(16, -122.654321, 47.123456);
    ASSERT_TRUE(WaitFor([&] { return Map().AreaImagery()->HasPicture(); }));
    EXPECT_EQ(Query(),
              "GET /GetImageArea.ashx?t=1&s=16&lon=-122.6543&lat=47.1235&w=604&h=404 HTTP/1.1");
    ASSERT_FALSE(Map().AreaImagery()->PictureIsNull());
    EXPECT_EQ(Map().AreaImagery()->PictureHalfSize().x(), 302);
    view.repaint();
    const QImage shown = view.grab().toImage();
    const QImage sent = CImageryServer::Render(1, 16, -122.6543, 47.1235, 604, 404);
    // The picture's top-left pixel lands at client (0, 0).
    for (QPoint pt : {QPoint(40, 40), QPoint(300, 100), QPoint(500, 300)})
        EXPECT_EQ(shown.pixel(pt), sent.pixel(pt)) << pt.x() << "," << pt.y();
    // A repaint asks nothing more.
    const auto count = server.m_requests.size();
    view.repaint();
    QTest::qWait(50);
    EXPECT_EQ(server.m_requests.size(), count);
}

TEST_F(Imagery, AutoMapThemesByLevel) {
    view.OnCommand(res::ID_MAP_AUTO);
    for (auto [scale, theme] : {std::pair{9, 4}, std::pair{11, 1}, std::pair{16, 2}}) {
        Frame(scale, 10.5, 20.5);
        ASSERT_TRUE(WaitFor([&] { return Map().AreaImagery()->HasPicture(); }));
        EXPECT_TRUE(Query().contains(QString("t=%1&s=%2&").arg(theme).arg(scale)))
            << qPrintable(Query());
    }
}

TEST_F(Imagery, NothingIsAskedAboveLevelTwentyOrWithTheMapOff) {
    Frame(16, 10.5, 20.5); // the map starts turned off
    view.OnCommand(res::ID_MAP_AERIAL);
    Frame(21, 10.5, 20.5);
    QTest::qWait(100);
    EXPECT_TRUE(server.m_requests.isEmpty());
    EXPECT_TRUE(view.MapSettled());
    EXPECT_EQ(view.grab().toImage().pixelColor(50, 50), QColor(150, 210, 255));
}

TEST_F(Imagery, BodiesThatAreNoPictureLeaveTheBackground) {
    view.OnCommand(res::ID_MAP_AERIAL);
    for (auto mode : {CImageryServer::EMode::garbage, CImageryServer::EMode::empty,
                      CImageryServer::EMode::notFound}) {
        server.m_mode = mode;
        server.m_requests.clear();
        Frame(15, 3.5, 4.5 + static_cast<int>(mode));
        ASSERT_TRUE(WaitFor([&] { return Map().AreaImagery()->HasPicture(); }));
        EXPECT_TRUE(Map().AreaImagery()->PictureIsNull());
        view.repaint();
        EXPECT_EQ(view.grab().toImage().pixelColor(50, 50), QColor(150, 210, 255));
        QTest::qWait(50);
        EXPECT_EQ(server.m_requests.size(), 1); // not asked again for this frame
    }
}

// After a failure the view asks nothing, whatever its frame or size, until
// the pause is over; an answer lifts the pause.
TEST_F(Imagery, FailureWaitsBeforeAskingAgain) {
    QTcpServer closed;
    ASSERT_TRUE(closed.listen(QHostAddress::LocalHost));
    const quint16 port = closed.serverPort();
    closed.close();
    SetImageryHostOverride(QString("127.0.0.1:%1").arg(port));
    Map().AreaImagery()->SetRetryPause(600);
    view.OnCommand(res::ID_MAP_AERIAL);
    Frame(15, 3.5, 4.5);
    ASSERT_TRUE(WaitFor([&] { return view.MapSettled(); }));
    EXPECT_FALSE(Map().AreaImagery()->HasPicture());
    SetImageryHostOverride(server.Host());
    for (int i = 0; i < 5; ++i) { // resizing and moving inside the pause
        view.resize(600 + 10 * i, 400);
        Frame(15, 3.6 + i, 4.5);
    }
    EXPECT_EQ(view.grab().toImage().pixelColor(50, 50), QColor(150, 210, 255));
    EXPECT_TRUE(server.m_requests.isEmpty());
    ASSERT_TRUE(WaitFor([&] { return Map().AreaImagery()->HasPicture(); }, 3000));
    EXPECT_EQ(server.m_requests.size(), 1);
    Frame(15, 9.5, 4.5); // after an answer a new frame is asked at once
    QTest::qWait(100);
    EXPECT_EQ(server.m_requests.size(), 2);
}

TEST_F(Imagery, SilentServerKeepsTheViewResponsiveAndANewFrameAbandonsIt) {
    server.m_mode = CImageryServer::EMode::silent;
    view.OnCommand(res::ID_MAP_AERIAL);
    Frame(15, 3.5, 4.5);
    ASSERT_TRUE(WaitFor([&] { return server.m_requests.size() == 1; }));
    view.repaint(); // paints while the request is still open
    EXPECT_EQ(view.grab().toImage().pixelColor(50, 50), QColor(150, 210, 255));
    EXPECT_FALSE(view.MapSettled());
    server.m_mode = CImageryServer::EMode::picture;
    Frame(15, 3.7, 4.5);
    ASSERT_TRUE(WaitFor([&] { return Map().AreaImagery()->HasPicture(); }));
    EXPECT_EQ(server.m_requests.size(), 2);
}

TEST_F(Imagery, SilenceIsAFailure) {
    Map().AreaImagery()->Download().SetLimits(CImageDownload::kMaxBody, 200);
    server.m_mode = CImageryServer::EMode::silent;
    view.OnCommand(res::ID_MAP_AERIAL);
    Frame(15, 3.5, 4.5);
    ASSERT_TRUE(WaitFor([&] { return view.MapSettled(); }, 3000));
    EXPECT_FALSE(Map().AreaImagery()->HasPicture());
}

// Like a body that is no picture: not fetched again for the same frame.
TEST_F(Imagery, OversizedBodyIsNotFetchedAgain) {
    Map().AreaImagery()->Download().SetLimits(100, 30000); // any picture is larger than 100 bytes
    Map().AreaImagery()->SetRetryPause(50);
    view.OnCommand(res::ID_MAP_AERIAL);
    Frame(15, 3.6, 4.5);
    ASSERT_TRUE(WaitFor([&] { return Map().AreaImagery()->HasPicture(); }, 3000));
    EXPECT_TRUE(Map().AreaImagery()->PictureIsNull());
    QTest::qWait(200);
    view.repaint();
    EXPECT_EQ(server.m_requests.size(), 1);
}

TEST_F(Imagery, BadHostSettingSaysSo) {
    SetImageryHostOverride("bad host name");
    view.OnCommand(res::ID_MAP_AERIAL);
    Frame(15, 3.5, 4.5);
    EXPECT_TRUE(prompt.m_asked.empty()); // not from inside the paint
    ASSERT_TRUE(WaitFor([&] { return !prompt.m_asked.empty(); }));
    EXPECT_EQ(prompt.m_asked[0].m_strCaption, "Tallowmarket - NET");
    EXPECT_EQ(prompt.m_asked[0].m_strText,
              "Can't open http request on bad host name server, please try again later!");
}

} // namespace
