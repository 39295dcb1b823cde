#include "core/live/live_captions.h"

#include "core/i18n/catalogue.h"

namespace orvanta {

LiveCaptions ReadLiveCaptions(const Catalogue& catalogue) {
    auto read = [&](const char* key, const char* fallback) {
        return catalogue.ReadString("FrmLiveOrvanta", key, fallback);
    };
    LiveCaptions c;
    c.window = read("FrmLiveOrvanta", "Live Orvanta");
    c.new_game = read("New", "New");
    c.delete_game = read("Delete", "Delete");
    c.protasi = read("Protasi", "Protasi");
    c.status = read("Status", "Status");
    c.exit = read("Exit", "Exit");
    c.current_odds = read("Trehon times", "live odds");
    c.probability = read("Pithanotita", "Probability");
    c.gia_pithanon = read("Gia Pithanon", "Gia Pithanon");
    c.gia_thetika = read("Gia Thetika", "Gia Thetika");
    c.ganiota = read("Ganiota", "Ganiota");
    c.odds = read("odds", "odds");
    c.game_wager = read("Game Wager", "Game Wager");
    c.return_label = read("Return", "Return");
    c.result = read("Result", "Result");
    return c;
}

}  // namespace orvanta
