#pragma once
// Ce que la télécommande virtuelle comprend des octets reçus : le test de liaison "T",
// et la trame de programmation de 470 octets, vérifiée élément par élément ("R", "F" et
// somme de chaque bloc, sommes de section, horloge, longueur, pauses), décodée, puis jugée.
// Écrit à part du programme, d'après la description de la trame : il la contrôle.
#include <QByteArray>
#include <QString>
#include <QStringList>

class DecodeurTelecommande {
public:
    static constexpr int LongueurTrame = 470;
    // Silence après le dernier octet attendu avant de juger (octets en trop).
    static constexpr qint64 SilenceFinMs = 300;
    // Silence qui abandonne une trame commencée.
    static constexpr qint64 SilenceAbandonMs = 2000;
    // La télécommande digère un bloc pendant tout l'intervalle de 200 ms du minuteur de
    // l'émetteur ; sur un pseudo-terminal les octets arrivent dès leur remise, on laisse
    // 10 ms à la lecture.
    static constexpr qint64 PauseMinimaleMs = 190;

    // Un octet reçu à l'instant donné (ms d'une horloge monotone) : lignes à afficher.
    QStringList Recoit(quint8 octet, qint64 instantMs);
    // Le temps passe sans octet : peut conclure une trame.
    QStringList Avance(qint64 instantMs);

    // Réponses données (bips) : tests de liaison et trames jugées.
    int Reponses() const { return reponses_; }

private:
    QStringList Controle(int rang);
    QStringList Juge();
    void Defaut(const QString& raison);

    bool enTrame_ = false;
    QByteArray trame_;
    qint64 dernier_ = 0;
    QString defaut_; // première anomalie de la trame en cours
    int reponses_ = 0;
};

// Le contenu d'une trame complète, en clair : semaine de chaque zone en segments horaires,
// températures en °C, identifiant, date et heure.
QStringList DecodeTrame(const QByteArray& trame);

// "6H00", "17H30", "24H00" : début du créneau s (0..144).
QString HeureCreneau(int creneau);
