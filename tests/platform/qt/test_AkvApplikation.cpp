// The top-level guard: an exception from an event handler becomes a critical
// message box, and the event loop goes on.
#include <gtest/gtest.h>

#include <QEvent>
#include <QObject>
#include <memory>
#include <stdexcept>

#include "platform/qt/AkvApplikation.h"
#include "support/RecordingBeskeder.h"

namespace {

class ProgrammetsApplikation : public ::testing::Environment {
public:
    void SetUp() override {
        static int argc = 1;
        static char navn[] = "akvifer_test";
        static char* argv[] = {navn, nullptr};
        app_ = std::make_unique<AkvApplikation>(argc, argv);
    }
    void TearDown() override { app_.reset(); }

private:
    std::unique_ptr<AkvApplikation> app_;
};
::testing::Environment* const miljoe = ::testing::AddGlobalTestEnvironment(new ProgrammetsApplikation);

class Kaster : public QObject {
public:
    int kald = 0;
    bool kast = true;
    bool standard = true;  // throw a std::exception, else an int
    bool event(QEvent* e) override {
        if (e->type() != QEvent::User) return QObject::event(e);
        ++kald;
        if (kast && standard) throw std::runtime_error("Tabellen har ingen række 19");
        if (kast) throw 42;
        return true;
    }
};

TEST(AkvApplikation, AnUnexpectedExceptionBecomesACriticalBoxAndTheLoopGoesOn) {
    RecordingBeskeder beskeder;
    Kaster k;
    QEvent e(QEvent::User);
    EXPECT_FALSE(QCoreApplication::sendEvent(&k, &e));
    k.standard = false;
    EXPECT_FALSE(QCoreApplication::sendEvent(&k, &e));
    k.kast = false;
    EXPECT_TRUE(QCoreApplication::sendEvent(&k, &e));
    EXPECT_EQ(k.kald, 3);
    ASSERT_EQ(beskeder.vist.size(), 2u);
    EXPECT_EQ(beskeder.vist[0].tekst,
              "Der opstod en uventet fejl:\nTabellen har ingen række 19\n\nHandlingen blev afbrudt. Dine data er bevaret.");
    EXPECT_EQ(beskeder.vist[0].ikon, BeskedIkon::Kritisk);
    EXPECT_EQ(beskeder.vist[0].titel, "");
    EXPECT_EQ(beskeder.vist[1].tekst, "Der opstod en uventet fejl\n\nHandlingen blev afbrudt. Dine data er bevaret.");
}

}  // namespace
