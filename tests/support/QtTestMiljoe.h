#pragma once
// The QApplication of an offscreen Qt test program: made before the first test and
// destroyed after the last, so that every widget of the tests lives inside it.
#include <gtest/gtest.h>

#include <memory>

#include <QApplication>

class QtTestMiljoe : public ::testing::Environment {
public:
    void SetUp() override {
        static int argc = 1;
        static char navn[] = "akvifer_test";
        static char* argv[] = {navn, nullptr};
        if (!QApplication::instance()) app_ = std::make_unique<QApplication>(argc, argv);
    }
    void TearDown() override { app_.reset(); }

private:
    std::unique_ptr<QApplication> app_;
};

// Registered once per program, whichever of its files include this.
inline ::testing::Environment* const qtTestMiljoe = ::testing::AddGlobalTestEnvironment(new QtTestMiljoe);
