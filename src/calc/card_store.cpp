#include "calc/card_store.h"

#include "board/main_screen.h"
#include "board/tip_picture.h"
#include "calc/card_choice.h"
#include "calc/logic/card_copy.h"
#include "model/pool_data.h"
#include "widgets/dialog_input.h"
#include "widgets/dialog_state.h"

namespace vorlanz {

void StoreCard() {
  if (Dialog().DialogKey == "O") StoreTipSet(Pool(), Pool().ChosenCard);
}

bool ChooseAndOpenCard() {
  PoolData& pool = Pool();
  pool.CardPrompt = "Bitte einen Tipp auswählen:";
  ChooseCard();
  if (!IsSet(pool.CardOccupied[pool.ChosenCard])) return false;
  FlushInput();
  if (Dialog().DialogKey != "O") {
    DrawMainScreen();
    return false;
  }
  TakeCardAsTipSet(pool, pool.ChosenCard);
  ShowStoredCard();
  return true;
}

}  // namespace vorlanz
