'''The desktop portal's settings as a desktop in a dark colour scheme gives them.'''
import dbus

BUS_NAME = 'org.freedesktop.portal.Desktop'
MAIN_OBJ = '/org/freedesktop/portal/desktop'
MAIN_IFACE = 'org.freedesktop.portal.Settings'
SYSTEM_BUS = False
# 1: prefers dark.
SETTINGS = {'org.freedesktop.appearance': {'color-scheme': dbus.UInt32(1)}}


def load(mock, _parameters):
    # Read, the older call, gives the value in a variant of its own; an unknown one is an error.
    mock.AddMethods(MAIN_IFACE, [
        ('Read', 'ss', 'v', lambda _, group, key: dbus.UInt32(SETTINGS[group][key], variant_level=2)),
        ('ReadAll', 'as', 'a{sa{sv}}', lambda _, groups: {
            group: SETTINGS[group] for group in groups if group in SETTINGS})])
