#include "plateforme/Minuterie.h"

#include <QCoreApplication>
#include <QTimer>

MinuterieQt::MinuterieQt() : Timer1(new QTimer) {
    Timer1->setObjectName(QStringLiteral("Timer1"));
    // Une minuterie grossière peut sonner 5 % trop tôt : la télécommande veut ses 200 ms.
    Timer1->setTimerType(Qt::PreciseTimer);
    Timer1->setSingleShot(true);
    QObject::connect(Timer1, &QTimer::timeout, [this] { FinTempo = true; });
}

MinuterieQt::~MinuterieQt() {
    delete Timer1;
}

void MinuterieQt::Pause(int ms) {
    FinTempo = false;
    Timer1->start(ms);
    while (!FinTempo) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}
