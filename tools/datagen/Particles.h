#pragma once

#include <QDir>
#include <QImage>

namespace daz::datagen {

// Particle_1.gif ... Particle_5.gif: flower, bubble, petal, cloud, star.
QImage PaintParticle(int effect);
void WriteParticles(const QDir& particleDir);

} // namespace daz::datagen
