// The link delivers its events through the Qt event loop: the tests run
// inside a QCoreApplication (no display needed).
#include <thread>

#include <QCoreApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
  QCoreApplication aplicacion(argc, argv);
  // ThreadSanitizer starts a thread of its own with the program's first
  // thread: started now, so that the tests' count of live threads only
  // sees the link's readers.
  std::thread([] {}).join();
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
