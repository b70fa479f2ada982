"""Reads a reminders file with the icalendar parser and prints what a calendar application
would show, as JSON: each event's start, alarm time and texts in the event's own zone.

The zone is rebuilt from the file's own VTIMEZONE, and checked against the zone database.
"""
import datetime
import json
import sys

import icalendar
import pytz


def main(chemin):
    with open(chemin, 'rb') as fichier:
        calendrier = icalendar.Calendar.from_ical(fichier.read())
    zones = {str(z['TZID']): z.to_tz() for z in calendrier.walk('VTIMEZONE')}
    resultat = {'nom': str(calendrier.get('X-WR-CALNAME', '')), 'evenements': [], 'ecarts': 0}
    for evenement in calendrier.walk('VEVENT'):
        debut = evenement['DTSTART']
        tzid = debut.params.get('TZID')
        zone = zones.get(tzid) if tzid else None

        def moment(propriete):
            valeur = evenement[propriete].dt
            if not zone:
                return valeur
            # The file's zone must agree with the zone database.
            naif = valeur.replace(tzinfo=None)
            if zone.localize(naif).utcoffset() != pytz.timezone(tzid).localize(naif).utcoffset():
                resultat['ecarts'] += 1
            return zone.localize(naif)

        depart = moment('DTSTART')
        fin = moment('DTEND') if 'DTEND' in evenement else depart
        alarmes = []
        for alarme in evenement.walk('VALARM'):
            declencheur = alarme['TRIGGER'].dt
            if isinstance(declencheur, datetime.timedelta):
                base = fin if alarme['TRIGGER'].params.get('RELATED') == 'END' else depart
                # Durations are exact: added in UTC, then shown in the zone.
                if zone:
                    sonnerie = zone.normalize(base.astimezone(pytz.utc) + declencheur)
                else:
                    sonnerie = base + declencheur
            else:
                sonnerie = declencheur.astimezone(zone) if zone else declencheur
            alarmes.append(sonnerie.strftime('%Y-%m-%d %H:%M'))
        resultat['evenements'].append({
            'uid': str(evenement['UID']),
            'resume': str(evenement['SUMMARY']),
            'debut': depart.strftime('%Y-%m-%d %H:%M'),
            'utc': depart.astimezone(pytz.utc).strftime('%Y-%m-%d %H:%M') if zone else '',
            'fuseau': tzid or '',
            'lien': str(evenement.get('URL', '')),
            'alarmes': alarmes,
        })
    print(json.dumps(resultat))


if __name__ == '__main__':
    main(sys.argv[1])
