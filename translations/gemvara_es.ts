<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>Catalogue</name>
    <message>
        <source>This is one of the most important numbers. Sometimes it is also called the Life Direction Number. This represents who you are at birth. It gives a broad outline of the various good and bad opportunities, struggles that you may have to face throughout your life.</source>
        <translation>Es uno de los números más importantes, y a veces se le llama también número del rumbo vital. Representa quién eres al nacer y traza a grandes rasgos las oportunidades, buenas y malas, y las dificultades que quizá tengas que afrontar a lo largo de tu vida.</translation>
    </message>
    <message>
        <source>This describes what may happen in your middle years. It also tells you about the various talents you possess.</source>
        <translation>Describe lo que puede ocurrir en los años centrales de tu vida. También habla de los talentos que posees.</translation>
    </message>
</context>
<context>
    <name>Gemstones</name>
    <message>
        <source>Yellow Topaz</source>
        <translation>Topacio amarillo</translation>
    </message>
    <message>
        <source>Golden Topaz</source>
        <translation>Topacio dorado</translation>
    </message>
    <message>
        <source>Ruby</source>
        <translation>Rubí</translation>
    </message>
    <message>
        <source>Cat’s Eye</source>
        <translation>Ojo de gato</translation>
    </message>
    <message>
        <source>Amethyst</source>
        <translation>Amatista</translation>
    </message>
    <message>
        <source>Light Blue Sapphire</source>
        <translation>Zafiro azul claro</translation>
    </message>
    <message>
        <source>Diamond</source>
        <translation>Diamante</translation>
    </message>
    <message>
        <source>Emerald</source>
        <translation>Esmeralda</translation>
    </message>
    <message>
        <source>Moonstone</source>
        <translation>Piedra de luna</translation>
    </message>
    <message>
        <source>Blue Sapphire</source>
        <translation>Zafiro azul</translation>
    </message>
    <message>
        <source>Coral</source>
        <translation>Coral</translation>
    </message>
</context>
<context>
    <name>LinkLabel</name>
    <message>
        <source>Opens a web page in your browser</source>
        <translation>Abre una página web en tu navegador</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rehacer</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Cor&amp;tar</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Pegar</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Seleccionar todo</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Sí</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;No</translation>
    </message>
</context>
<context>
    <name>QWidgetTextControl</name>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>Copy &amp;Link Location</source>
        <translation>Copiar la ubicación del en&amp;lace</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Seleccionar todo</translation>
    </message>
</context>
<context>
    <name>StartApplication</name>
    <message>
        <source>Application is already running</source>
        <translation>El programa ya está abierto.</translation>
    </message>
</context>
<context>
    <name>TellAFriend</name>
    <message>
        <source>Please Enter Distinct Email Addresses</source>
        <translation>Escribe dos direcciones de correo electrónico distintas.</translation>
    </message>
    <message>
        <source>Please Enter Proper Email Address</source>
        <translation>Escribe una dirección de correo electrónico válida.</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>Escribe tu nombre.</translation>
    </message>
    <message>
        <source>Please Enter Your Email</source>
        <translation>Escribe tu correo electrónico.</translation>
    </message>
    <message>
        <source>Please Enter Your Message</source>
        <translation>Escribe tu mensaje.</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Name</source>
        <translation>Escribe el nombre de la otra persona.</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Email</source>
        <translation>Escribe el correo electrónico de la otra persona.</translation>
    </message>
    <message>
        <source>Your Name</source>
        <translation>Tu nombre</translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation>Tu correo electrónico</translation>
    </message>
    <message>
        <source>Your Message</source>
        <translation>Tu mensaje</translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <translation>Nombre de la otra persona</translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation>Correo electrónico de la otra persona</translation>
    </message>
</context>
<context>
    <name>UpdateReminder</name>
    <message>
        <source>There maybe an update to this software available<byte value="xd"/>Do you want to check for an update?</source>
        <translation>Puede que haya una actualización de este programa.<byte value="xd"/>¿Quieres comprobarlo ahora?</translation>
    </message>
</context>
<context>
    <name>Validation</name>
    <message>
        <source>Please Enter Your First Name</source>
        <translation>Escribe tu nombre.</translation>
    </message>
    <message>
        <source>Please Enter Your Last Name</source>
        <translation>Escribe tus apellidos.</translation>
    </message>
    <message>
        <source>Please Specify Your Birth Date</source>
        <translation>Elige tu día de nacimiento.</translation>
    </message>
    <message>
        <source>Please Specify Your Birth Month</source>
        <translation>Elige tu mes de nacimiento.</translation>
    </message>
    <message>
        <source>Please Specify Your Birth Year</source>
        <translation>Elige tu año de nacimiento.</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month!</source>
        <translation>¡Esa fecha no existe! Corrige el día o el mes.</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month !</source>
        <translation>¡Esa fecha no existe! Corrige el día o el mes.</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <translation>Trabaja desde casa: crea tu propio negocio en Internet y gana dinero en línea. Consigue este programa con la marca de tu sitio web.</translation>
    </message>
    <message>
        <source> Click here for more details.</source>
        <translation> Haz clic para saber más.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Click here to visit %1</source>
        <translation>Visita %1</translation>
    </message>
</context>
<context>
    <name>frmDisplay</name>
    <message>
        <source>Gemvara Result</source>
        <translation>Resultado de Gemvara</translation>
    </message>
    <message>
        <source>Lifepath Number</source>
        <translation>Número del camino de vida</translation>
    </message>
    <message>
        <source>Significance</source>
        <translation>Significado</translation>
    </message>
    <message>
        <source>Interpretation</source>
        <translation>Lectura</translation>
    </message>
    <message>
        <source>Birthday Number</source>
        <translation>Número de cumpleaños</translation>
    </message>
    <message>
        <source>Gemstone For You</source>
        <translation>Tu gema</translation>
    </message>
    <message>
        <source>Gemstone</source>
        <translation>Gema</translation>
    </message>
    <message>
        <source>More About Gemstone</source>
        <translation>Más sobre tu gema</translation>
    </message>
    <message>
        <source>Gemstone Picture</source>
        <translation>Imagen de la gema</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Volver</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>Trabaja desde casa: crea tu propio negocio en Internet y gana dinero en línea. Consigue este programa con la marca de tu sitio web. Haz clic aquí para saber más.</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;  link here. See &quot;Help&quot; for details.    Click Here for more info on co-branding.</source>
        <translation>Pon la marca de tu sitio en este programa y gana fidelidad y visitas. Añade aquí su nombre y enlace (detalles en «Ayuda»). Haz clic aquí para saber más sobre la marca compartida.</translation>
    </message>
    <message>
        <source>Life path number %1</source>
        <translation>Número del camino de vida %1</translation>
    </message>
    <message>
        <source>Birthday number %1</source>
        <translation>Número de cumpleaños %1</translation>
    </message>
    <message>
        <source>Gemstone: %1</source>
        <translation>Gema: %1</translation>
    </message>
</context>
<context>
    <name>frmExitScreen</name>
    <message>
        <source>Opens a web page in your browser</source>
        <translation>Abre una página web en tu navegador</translation>
    </message>
    <message>
        <source>Click Here To Visit Orvanta Now</source>
        <translation>Visita Orvanta ahora</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Refer A Friend</source>
        <translation>Recomienda Gemvara</translation>
    </message>
    <message>
        <source>Refer A Friend &amp;Now</source>
        <translation>&amp;Enviar recomendación</translation>
    </message>
    <message>
        <source>Download Orvanta Softwares</source>
        <translation>Más programas de Orvanta</translation>
    </message>
    <message>
        <source>Click Here To Visit Orvanta Softwares</source>
        <translation>Descárgalos aquí</translation>
    </message>
    <message>
        <source>Email Address Cannot Contain Space</source>
        <translation>Una dirección de correo electrónico no puede contener espacios.</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;  link here. See &quot;Help&quot; for details.    Click Here for more info on co-branding.</source>
        <translation>Pon la marca de tu sitio en este programa y gana fidelidad y visitas. Añade aquí su nombre y enlace (detalles en «Ayuda»). Haz clic aquí para saber más sobre la marca compartida.</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>Trabaja desde casa: crea tu propio negocio en Internet y gana dinero en línea. Consigue este programa con la marca de tu sitio web. Haz clic aquí para saber más.</translation>
    </message>
    <message>
        <source>Please Fill In The Below Details:</source>
        <translation>Completa los siguientes datos:</translation>
    </message>
    <message>
        <source>First Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Middle Name</source>
        <translation>Segundo nombre</translation>
    </message>
    <message>
        <source>Last Name</source>
        <translation>Apellidos</translation>
    </message>
    <message>
        <source>Date Of Birth</source>
        <translation>Fecha de nacimiento</translation>
    </message>
    <message>
        <source>Month of Birth</source>
        <translation>Mes de nacimiento</translation>
    </message>
    <message>
        <source>Day of Birth</source>
        <translation>Día de nacimiento</translation>
    </message>
    <message>
        <source>Year of Birth</source>
        <translation>Año de nacimiento</translation>
    </message>
    <message>
        <source>Get My Gemvara Reading</source>
        <translation>Ver mi lectura de Gemvara</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Gemstones have a positive influence on our lives. Know more about the gemstones that are suitable for you based on numerology!</source>
        <translation>Las gemas influyen para bien en nuestra vida. ¡Descubre con la numerología qué gemas te convienen!</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>Ayuda en &amp;línea</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>&amp;Visítanos en línea</translation>
    </message>
    <message>
        <source>&amp;Check for Software Update</source>
        <translation>&amp;Buscar actualizaciones</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>&amp;Acerca del programa</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>&amp;Donar</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>Ganar dinero en &amp;línea</translation>
    </message>
</context>
</TS>
