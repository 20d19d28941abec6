#pragma once
// Une paire de pseudo-terminaux socat : un bout est l'entrée "COMn" du dossier du programme,
// l'autre est lu par un lecteur qui garde chaque octet reçu.
#include <QProcess>
#include <QString>

#include <atomic>
#include <functional>
#include <mutex>
#include <thread>

class PaireSocat {
public:
    explicit PaireSocat(const QString& dossier, const QString& nomProgramme);
    ~PaireSocat();
    bool Prete() const { return prete_; }
    QString CoteTest() const { return coteTest_; }
    void Tue(); // le pair disparaît d'un coup, comme un câble arraché

private:
    QProcess socat_;
    QString coteTest_;
    bool prete_ = false;
};

class LecteurPort {
public:
    explicit LecteurPort(const QString& chemin);
    ~LecteurPort();
    bool Ouvert() const { return descripteur_ >= 0; }
    QByteArray Octets() const;
    int Nombre() const { return static_cast<int>(Octets().size()); }
    // Attend (en traitant les événements) d'avoir au moins n octets ; faux après le délai.
    bool Attend(int n, int delaiMs = 5000) const;
    // Appelée une fois, dans le fil de la fenêtre, dès que n octets sont arrivés.
    void QuandRecus(int n, std::function<void()> action);

private:
    int descripteur_ = -1;
    std::atomic<bool> arret_{false};
    mutable std::mutex verrou_;
    QByteArray recus_;
    int seuil_ = -1;
    std::function<void()> action_;
    std::thread fil_;
};
