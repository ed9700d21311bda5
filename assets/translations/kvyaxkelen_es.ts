<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>Catalogue</name>
    <message>
        <location filename="../../engine/Catalogue.cpp" line="+22"/>
        <source>Imix</source>
        <translation>Imix</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Red Dragon</source>
        <translation>Dragón Rojo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ik/Wind</source>
        <translation>Ik/Viento</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>White Wind</source>
        <translation>Viento Blanco</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Akbal/Night</source>
        <translation>Akbal/Noche</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Blue Night</source>
        <translation>Noche Azul</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Kan/Seed</source>
        <translation>Kan/Semilla</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Yellow Seed</source>
        <translation>Semilla Amarilla</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Chicchan/Serpent</source>
        <translation>Chicchan/Serpiente</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Red Serpent</source>
        <translation>Serpiente Roja</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cimi/Transformer</source>
        <translation>Cimi/Transformador</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>White World Bridger</source>
        <translation>Enlazador de Mundos Blanco</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Manik/Deer</source>
        <translation>Manik/Venado</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Blue Hand</source>
        <translation>Mano Azul</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Lamat/Star</source>
        <translation>Lamat/Estrella</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Yellow Star</source>
        <translation>Estrella Amarilla</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Muluc/Offering</source>
        <translation>Muluc/Ofrenda</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Red Moon</source>
        <translation>Luna Roja</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Oc/Dog</source>
        <translation>Oc/Perro</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>White Dog</source>
        <translation>Perro Blanco</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Chuen/Monkey</source>
        <translation>Chuen/Mono</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Blue Monkey</source>
        <translation>Mono Azul</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Eb/Road</source>
        <translation>Eb/Camino</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Yellow Human</source>
        <translation>Humano Amarillo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ben/Reed</source>
        <translation>Ben/Caña</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Red Skywalker</source>
        <translation>Caminante del Cielo Rojo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ix/Jaguar</source>
        <translation>Ix/Jaguar</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>White Wizard</source>
        <translation>Mago Blanco</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Men/Eagle</source>
        <translation>Men/Águila</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Blue Eagle</source>
        <translation>Águila Azul</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cib/Wisdom</source>
        <translation>Cib/Sabiduría</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Yellow Warrior</source>
        <translation>Guerrero Amarillo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Caban/Earth</source>
        <translation>Caban/Tierra</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Red Earth</source>
        <translation>Tierra Roja</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Etznab/Flint</source>
        <translation>Etznab/Pedernal</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>White Mirror</source>
        <translation>Espejo Blanco</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cauac/Storm</source>
        <translation>Cauac/Tormenta</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Blue Storm</source>
        <translation>Tormenta Azul</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ahau/Sun</source>
        <translation>Ahau/Sol</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Yellow Sun</source>
        <translation>Sol Amarillo</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Guide</source>
        <translation>Guía</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Guide Position: This position describes your current guiding force.</source>
        <translation>Posición Guía: Esta posición describe la fuerza que hoy te guía.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The Glyph in the Guide Position is: </source>
        <translation>El glifo en la posición Guía es: </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Challenge</source>
        <translation>Desafío</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Challenge Position: This position describes your current challenges.</source>
        <translation>Posición Desafío: Esta posición describe los desafíos que enfrentas ahora.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The Glyph in the Challenge Position is: </source>
        <translation>El glifo en la posición Desafío es: </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Central</source>
        <translation>Central</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Central Position: This position represents yourself.</source>
        <translation>Posición Central: Esta posición te representa a ti.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The Glyph in the Central Position is: </source>
        <translation>El glifo en la posición Central es: </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ally</source>
        <translation>Aliado</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ally Position: This position describes your helpers and friends.</source>
        <translation>Posición Aliado: Esta posición describe a tus amigos y a quienes te ayudan.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The Glyph in the Ally Position is: </source>
        <translation>El glifo en la posición Aliado es: </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Occult</source>
        <translation>Oculto</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Occult Position: This position describes your current abilities.</source>
        <translation>Posición Oculto: Esta posición describe tus capacidades actuales.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The Glyph in the Occult Position is: </source>
        <translation>El glifo en la posición Oculto es: </translation>
    </message>
</context>
<context>
    <name>CommonDialog</name>
    <message>
        <location filename="../../windows/shared/CommonDialog.cpp" line="+41"/>
        <source>%1
This file is read-only. Choose another file.</source>
        <translation>%1
Este archivo es de solo lectura. Elige otro archivo.</translation>
    </message>
</context>
<context>
    <name>NumerologyImport</name>
    <message>
        <location filename="../../import/NumerologyImport.cpp" line="+12"/>
        <source>KV Numerelle (*.num)</source>
        <translation>KV Numerelle (*.num)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Select the source file</source>
        <translation>Selecciona el archivo de origen</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Please Check The File.</source>
        <translation>Por favor, revisa el archivo.</translation>
    </message>
</context>
<context>
    <name>Reading</name>
    <message>
        <location filename="../../engine/ReadingRoutine.cpp" line="+31"/>
        <source>KV Yaxkelen Reading</source>
        <translation>Lectura KV Yaxkelen</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Sign: </source>
        <translation>Signo: </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Name: </source>
        <translation>Nombre: </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Description: </source>
        <translation>Descripción: </translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <location filename="../../startup/Startup.cpp" line="+222"/>
        <source>Application is already running</source>
        <translation>El programa ya está abierto</translation>
    </message>
</context>
<context>
    <name>WorkingWindow</name>
    <message>
        <location filename="../../windows/WorkingWindow.cpp" line="+35"/>
        <source>Sponsor offers</source>
        <translation>Ofertas para patrocinadores</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>Oportunidad de negocio desde casa. Emprende en internet y gana dinero en línea. Ofrece este programa con la marca de tu sitio web. Haz clic aquí para más detalles.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;&amp;  link here. See &quot;Help&quot; for details.    Click Here for more info on co-branding.</source>
        <translation>Pon la marca de tu sitio en este programa. Gana lealtad y tráfico para tu sitio: aquí van su nombre y su enlace. Detalles en la &quot;Ayuda&quot;. Haz clic aquí para saber más sobre la marca compartida.</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Online Help</source>
        <translation>Ayuda en &amp;línea</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Visit Us Online</source>
        <translation>&amp;Visítanos en línea</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;About Software</source>
        <translation>&amp;Acerca del programa</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Donate</source>
        <translation>&amp;Donar</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Make Money &amp;Online</source>
        <translation>Gana dinero en &amp;línea</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <location filename="../../windows/frmAbout.cpp" line="+36"/>
        <source>KV Yaxkelen Reading is a divinatory software that gives your tarot reading with the help of the Mayan Astrology glyphs. The different directions have different significances in the generated reading. This reading can help your prepare yourself to face life with a confidence.</source>
        <translation>KV Yaxkelen es un programa adivinatorio que te da tu lectura de tarot con los glifos de la astrología maya. Cada dirección tiene su propio significado en la lectura. Esta lectura puede ayudarte a enfrentar la vida con confianza.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Click here to visit %1</source>
        <translation>Visita %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <translation>Oportunidad de negocio desde casa. Emprende en internet y gana dinero en línea. Ofrece este programa con la marca de tu sitio web.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Click here for more details</source>
        <translation>Más detalles aquí</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <location filename="../../windows/frmMain.cpp" line="+45"/>
        <source> Visit %1 Now</source>
        <translation> Visita %1 ahora</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Let the Mayan Glyphs help you solve your problems. Enter your problem and get an instant Yaxkelen reading!</source>
        <translation>Deja que los glifos mayas te ayuden con tus problemas. Descríbelos y recibe al instante tu lectura Yaxkelen.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Personal Details</source>
        <translation>Datos personales</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+3"/>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+3"/>
        <source>Describe the Problem</source>
        <translation>Describe el problema</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Get My Yaxkelen Reading</source>
        <translation>&amp;Obtener mi lectura Yaxkelen</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&amp;Open Previously Saved Reading</source>
        <translation>Abrir una lectura &amp;guardada</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>* Birth Day</source>
        <translation>* Fecha de nacimiento</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Month</source>
        <translation>Mes</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Date</source>
        <translation>Día</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Year</source>
        <translation>Año</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Check for Software Update</source>
        <translation>&amp;Buscar actualizaciones</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Please Enter Your Name</source>
        <translation>Por favor, escribe tu nombre</translation>
    </message>
</context>
<context>
    <name>frmMayanTarotResult</name>
    <message>
        <location filename="../../windows/frmMayanTarotResult.cpp" line="+84"/>
        <source> Click Here To Visit %1 Now</source>
        <translation> Haz clic para visitar %1</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>Reading</source>
        <translation>Tu lectura</translation>
    </message>
    <message>
        <location line="+13"/>
        <location line="+33"/>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <location line="-31"/>
        <location line="+29"/>
        <source>&amp;Back</source>
        <translation>&amp;Volver</translation>
    </message>
    <message>
        <location line="-4"/>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Print</source>
        <translation>&amp;Imprimir</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Check for Software &amp;Update</source>
        <translation>Buscar act&amp;ualizaciones</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>%1: %2 (%3)</source>
        <comment>position: glyph name (sign label)</comment>
        <translation>%1: %2 (%3)</translation>
    </message>
</context>
<context>
    <name>frmNagScreen2</name>
    <message>
        <location filename="../../web/frmNagScreen2.cpp" line="+121"/>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Refer A Friend</source>
        <translation>Recomienda a un amigo</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Refer A Friend &amp;Now</source>
        <translation>&amp;Recomendar ahora</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Download Tessivane</source>
        <translation>Descarga Tessivane</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Click Here To Visit Tessivane</source>
        <translation>Visita Tessivane ahora</translation>
    </message>
    <message>
        <location line="+97"/>
        <source>Email Address Cannot Contain Space</source>
        <translation>La dirección de correo no puede tener espacios</translation>
    </message>
</context>
<context>
    <name>modHelp</name>
    <message>
        <location filename="../../web/UpdateReminder.cpp" line="+15"/>
        <source>There maybe an update to this software available</source>
        <translation>Puede que haya una actualización de este programa</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Do you want to check for an update?</source>
        <translation>¿Quieres buscar actualizaciones?</translation>
    </message>
</context>
<context>
    <name>modTellAFriend</name>
    <message>
        <location filename="../../web/modTellAFriend.cpp" line="+20"/>
        <source>Your Name</source>
        <translation>Tu nombre</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Your Email Address</source>
        <translation>Tu correo electrónico</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Your Message</source>
        <translation>Tu mensaje</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Friend&apos;s Name</source>
        <translation>Nombre de tu amigo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Friend&apos;s Email Address</source>
        <translation>Correo de tu amigo</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Please Enter Distinct Email Addresses</source>
        <translation>Por favor, escribe dos correos distintos</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Please Enter Proper Email Address</source>
        <translation>Por favor, escribe un correo válido</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Please Enter Your Name</source>
        <translation>Por favor, escribe tu nombre</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Please Enter Your Email</source>
        <translation>Por favor, escribe tu correo</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Please Enter Your Message</source>
        <translation>Por favor, escribe tu mensaje</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Please Enter Your Friend&apos;s Name</source>
        <translation>Por favor, escribe el nombre de tu amigo</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Please Enter Your Friend&apos;s Email</source>
        <translation>Por favor, escribe el correo de tu amigo</translation>
    </message>
</context>
</TS>
