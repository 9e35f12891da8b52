// The records window: the ten places, best difficulty first, each with its winner and time.
#pragma once

#include "framework/TForm.h"

class TsButton;
class TsLabel;
class TsMemo;

class TRecordsListF : public TForm {
public:
    explicit TRecordsListF(TComponent* owner);
    ~TRecordsListF() override;
    std::string ClassName() const override { return "TRecordsListF"; }

    TsLabel* sLabel1 = nullptr;
    TsMemo* RecordsM = nullptr;
    TsButton* OkB = nullptr;

    void FormCreate(TObject* sender);
    void FormResize(TObject* sender);
    // Fills the list from the settings file; a place whose stored time is not a number is
    // listed as it stands.
    void FormShow(TObject* sender);
    void OkBClick(TObject* sender);
};

extern TRecordsListF* RecordsListF;
