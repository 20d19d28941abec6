// Une minuterie grossière peut sonner 5 % trop tôt : la télécommande n'aurait pas fini.
#include "link/Transmission.h"

#include <QElapsedTimer>
#include <gtest/gtest.h>

TEST(MinuterieQt, PauseJamaisPlusCourteQueDemandee) {
    MinuterieQt minuterie;
    for (int essai = 0; essai < 3; ++essai) {
        QElapsedTimer chrono;
        chrono.start();
        minuterie.Pause(PauseApresBlocMs);
        EXPECT_GE(chrono.nsecsElapsed(), qint64{PauseApresBlocMs} * 1'000'000) << essai;
    }
}
