#include "SoundEffects.h"

namespace daz {

QString SoundFile(SoundEffect effect)
{
    switch (effect) {
    case SoundEffect::Select: return QStringLiteral("\\sound\\mousedown1.wav");
    case SoundEffect::Cancel: return QStringLiteral("\\sound\\mousedown2.wav");
    case SoundEffect::Link: return QStringLiteral("\\sound\\lianjie.wav");
    case SoundEffect::Win: return QStringLiteral("\\sound\\gamewin.wav");
    case SoundEffect::GameOver: return QStringLiteral("\\sound\\gameover.wav");
    case SoundEffect::HintTick: return QStringLiteral("\\sound\\ts.wav");
    case SoundEffect::Shuffle: return QStringLiteral("\\sound\\dl.wav");
    case SoundEffect::Undo: return QStringLiteral("\\sound\\cx.wav");
    case SoundEffect::Pause: return QStringLiteral("\\sound\\mousedown3.wav");
    }
    return {};
}

} // namespace daz
