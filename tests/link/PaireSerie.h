#pragma once
// Pour les tests de bout en bout : une paire de pseudo-terminaux socat, dont un bout est
// l'entrée "COMn" du dossier du programme, et un lecteur qui horodate chaque octet reçu.
#include <QProcess>
#include <QString>

#include <atomic>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

class PaireSocat {
public:
    // Lie <dossier>/<nomProgramme> et <dossier>/TELECOMMANDE.
    explicit PaireSocat(const QString& dossier, const QString& nomProgramme = "COM1");
    ~PaireSocat();
    bool Prete() const { return prete_; }
    QString CoteTest() const { return coteTest_; }
    // Le pair disparaît d'un coup, comme un câble arraché.
    void Tue();

private:
    QProcess socat_;
    QString coteTest_;
    bool prete_ = false;
};

struct OctetRecu {
    quint8 valeur;
    double ms; // depuis l'ouverture du lecteur
};

class LecteurPort {
public:
    explicit LecteurPort(const QString& chemin);
    ~LecteurPort();
    bool Ouvert() const { return descripteur_ >= 0; }
    std::vector<OctetRecu> Recus() const;
    QByteArray Octets() const;
    int Nombre() const;
    // Attend (en traitant les événements) d'avoir au moins n octets ; faux après le délai.
    bool Attend(int n, int delaiMs = 5000) const;
    // Appelée une fois, dans le fil de la fenêtre, dès que n octets sont arrivés.
    void QuandRecus(int n, std::function<void()> action);

private:
    void Boucle();

    int descripteur_ = -1;
    std::atomic<bool> arret_{false};
    mutable std::mutex verrou_;
    std::vector<OctetRecu> recus_;
    int seuil_ = -1;
    std::function<void()> action_;
    std::thread fil_;
};

// Écarts (ms) entre l'arrivée du dernier octet de chaque bloc de zone et le suivant.
std::vector<double> EcartsApresBlocs(const std::vector<OctetRecu>& recus);
