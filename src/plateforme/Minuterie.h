#pragma once
// Les pauses de la transmission : la télécommande digère un bloc pendant 200 ms.
class QTimer;

class Minuterie {
public:
    virtual ~Minuterie() = default;
    // Rend la main après "ms" millisecondes, en laissant vivre la boucle d'événements.
    virtual void Pause(int ms) = 0;
};

// Minuterie précise de Qt ; la pause attend les événements au lieu de tourner à vide.
class MinuterieQt : public Minuterie {
public:
    MinuterieQt();
    ~MinuterieQt() override;
    void Pause(int ms) override;

private:
    QTimer* Timer1;
    bool FinTempo = false;
};
