#pragma once
// Mesure du démarrage par bench/demarrage.sh : avec GC_MESURE_DEMARRAGE=1, la fenêtre écrit
// l'heure de la fin de sa première peinture (ns depuis l'époque Unix) puis le programme se
// termine. Sans la variable, rien n'est installé.
#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QWidget>
#include <chrono>
#include <cstdio>

class MesureDemarrage : public QObject {
public:
    static void Installe(QWidget& fenetre) {
        if (qEnvironmentVariableIntValue("GC_MESURE_DEMARRAGE") == 1)
            fenetre.installEventFilter(new MesureDemarrage(&fenetre));
    }

protected:
    bool eventFilter(QObject*, QEvent* evenement) override {
        if (evenement->type() == QEvent::Paint && !vue_) {
            vue_ = true;
            // Mis en file : l'heure est prise une fois la peinture des contrôles finie.
            QMetaObject::invokeMethod(
                this,
                [] {
                    const auto ns = std::chrono::duration_cast<std::chrono::nanoseconds>(
                        std::chrono::system_clock::now().time_since_epoch());
                    std::printf("premiere-peinture-ns %lld\n", static_cast<long long>(ns.count()));
                    std::fflush(stdout);
                    QCoreApplication::exit(0);
                },
                Qt::QueuedConnection);
        }
        return false;
    }

private:
    explicit MesureDemarrage(QObject* parent) : QObject(parent) {}
    bool vue_ = false;
};
