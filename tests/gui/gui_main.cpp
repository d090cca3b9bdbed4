// Window tests: a QApplication on the offscreen platform around GoogleTest.
#include <QApplication>
#include <gtest/gtest.h>

#include "app/VT_U1.h"

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vantaro"));
    vt::InstallItalianTranslation(app);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
