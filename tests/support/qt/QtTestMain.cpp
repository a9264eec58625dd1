// main() for the window tests: one QApplication for the whole run.

#include <QApplication>

#include <gtest/gtest.h>

#include <csignal>

int main(int argc, char* argv[])
{
    std::signal(SIGXFSZ, SIG_IGN);
    QApplication application(argc, argv);
    Q_INIT_RESOURCE(resources);
    testing::InitGoogleTest(&argc, argv);
    // Child processes start afresh rather than fork a process that holds Qt's threads.
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    return RUN_ALL_TESTS();
}
